// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "stellated/starquestions.h"

#include "common/randomsource.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

const char *const Edges =
    QT_TRANSLATE_NOOP("StarQuestions", "How many edges does the stellated polygon in the animation have?");
const char *const Pentagram = QT_TRANSLATE_NOOP(
    "StarQuestions",
    "In degrees, what is the smallest angle through which a pentagram can be rotated, so that it looks the same after "
    "rotation as it did prior to rotation?");
const char *const David = QT_TRANSLATE_NOOP(
    "StarQuestions",
    "In degrees, what is the smallest angle through which a Star of David can be rotated, so that it looks unaltered "
    "after rotation to how it looked prior to rotation?");
const char *const Octagon = QT_TRANSLATE_NOOP(
    "StarQuestions",
    "A regular stellated octagon is symmetrical under rotations around its centre through certain angles. In other "
    "words, after performing these rotations the stellated octagon looks unaltered. In degrees, what is the smallest "
    "of "
    "these angles?");
const char *const Dodecagon = QT_TRANSLATE_NOOP(
    "StarQuestions",
    "A regular stellated dodecagon is symmetrical under rotations around its centre through certain angles. Each of "
    "these angles is a multiple of the smallest. In degrees, what is the smallest angle through which a regular "
    "stellated dodecagon can be rotated if it is to appear unaltered?");
const char *const Nonagon = QT_TRANSLATE_NOOP(
    "StarQuestions",
    "The stellated nonagon in the animation is a compound polygon. How many component polygons does it have?");

struct Row
{
    const FrameSequence &animation;
    double answer;
};

// The answers assume what the animations show: an octagram of 8 edges, a
// nonagram of 9 edges made of 3 triangles, and a pentagram. The Star of David
// and dodecagon questions play the octagram, as they always have.
const std::array<Row, QuestionTypeCount> &rows()
{
    static const std::array<Row, QuestionTypeCount> table{{
        {FrameSequences::StellatedOctagon, 8},
        {FrameSequences::StellatedNonagon, 9},
        {FrameSequences::Pentagram, 5},
        {FrameSequences::Pentagram, 72},
        {FrameSequences::StellatedOctagon, 60},
        {FrameSequences::StellatedOctagon, 45},
        {FrameSequences::StellatedOctagon, 30},
        {FrameSequences::StellatedNonagon, 3},
    }};
    return table;
}

} // namespace

std::array<QString, QuestionTypeCount> StarQuestions::questions()
{
    const auto shown = [](const char *text) { return QCoreApplication::translate("StarQuestions", text); };
    return {shown(Edges),
            shown(Edges),
            shown(Edges),
            shown(Pentagram),
            shown(David),
            shown(Octagon),
            shown(Dodecagon),
            shown(Nonagon)};
}

Question StarQuestions::question(int type)
{
    const Row &row = rows().at(type);
    return Question{type, questions().at(type), row.answer, row.animation};
}

Question StarQuestions::draw(RandomSource &random, QuestionHistory &history)
{
    random.reseedFromClock();
    // The draw is taken in single precision; a value that rounds up to 1
    // there still picks the last type rather than one past it.
    const float r = static_cast<float>(random.next());
    const int t = std::clamp(static_cast<int>(r * QuestionTypeCount), 0, QuestionTypeCount - 1);
    return question(history.take(t));
}
