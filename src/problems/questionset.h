// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/framesequence.h"

#include <QString>
#include <optional>

class RandomSource;
struct ProgramValues;

// One question of a problems page.
struct Question
{
    int type = 0; // 0 to 7
    QString text;
    double answer = 0;
    // The animation that goes with the question, if the page plays one per question.
    std::optional<FrameSequence> animation;
};

// Invents the questions of one problems page. Each draw re-seeds the random
// source from the clock and never repeats the type drawn just before, on
// either page.
class QuestionSet
{
public:
    virtual ~QuestionSet() = default;
    virtual Question draw(RandomSource &random, ProgramValues &values) = 0;
};

// The type for a draw of t (0 to 7): never the type drawn last, whose
// successor gets its chance instead. Records the result as the type drawn last.
int takeQuestionType(int t, ProgramValues &values);
