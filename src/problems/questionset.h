// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/framesequence.h"
#include "common/questionhistory.h"

#include <QString>
#include <optional>

class QuestionHistory;
class RandomSource;

// One question of a problems page.
struct Question
{
    int type = 0; // 0 to QuestionTypeCount - 1
    QString text;
    double answer = 0;
    // The animation that goes with the question, if the page plays one per question.
    std::optional<FrameSequence> animation;
};

// Invents the questions of one problems page. Each draw re-seeds the random
// source from the clock and takes its type through the history, which both
// pages share.
class QuestionSet
{
public:
    virtual ~QuestionSet() = default;
    virtual Question draw(RandomSource &random, QuestionHistory &history) = 0;
};
