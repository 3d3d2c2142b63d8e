// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "problems/questionset.h"

#include <array>

// The questions of the stellated polygons problems page: eight types, each
// with the animation the pupil looks at to answer it.
class StarQuestions : public QuestionSet
{
public:
    Question draw(RandomSource &random, QuestionHistory &history) override;

    // The question of one type (0 to 7), as drawn.
    static Question question(int type);
    // The page's question texts by type; the first three share one text.
    static std::array<QString, QuestionTypeCount> questions();
};
