// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "problems/problemspagerows.h"
#include "stellated/stellatedrows.h"

namespace {

using namespace Rows;

ScreenDefinition build()
{
    ScreenDefinition s = lessonScreen(ScreenNames::StellatedProblems,
                                      english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Stellated Polygons")));
    s.description = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Problems on stellated polygons"));
    s.controls = {
        imageBox(QStringLiteral("Image2"))
            .at(6960, 120, 4860, 3660)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Stellated polygon animation"))),
        numberLabel(0, 4800, 240).startHidden(),
        numberBox(0, 5400, 600, QStringLiteral("5")).startHidden(),
        numberLabel(1, 4800, 1320).startHidden(),
        numberBox(1, 5400, 1680, QStringLiteral("2")).startHidden(),
        questionLabel(QRect(360, 4800, 8895, 3015), 20.25),
        answerBox().at(9480, 5040, 1695, 735).withFont(Tahoma, 24).tabAt(0),
        feedbackLabel(QRect(2760, 7800, 6495, 975), 27.75),
        animationControls(7800, 3840).tabAt(1),
        fullScreenLabel(QStringLiteral("Label3"), 9480, 3840),
    };
    // The check button stays hidden: Enter in the answer box checks instead.
    s.controls += problemsPageButtons(checkButton(10245, 3825).startHidden());
    return s;
}

} // namespace

const ScreenDefinition &stellatedPageDefinition()
{
    static const ScreenDefinition s = build();
    return s;
}
