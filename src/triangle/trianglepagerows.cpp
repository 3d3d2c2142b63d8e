// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "problems/problemspagerows.h"
#include "triangle/trianglerows.h"

namespace {

using namespace Rows;

ScreenDefinition build()
{
    ScreenDefinition s = lessonScreen(ScreenNames::TriangleProblems,
                                      english(QT_TRANSLATE_NOOP("ScreenDefinitions", "The Angles of a Triangle")));
    s.description = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Problems on the angles of a triangle"));
    s.controls = {
        imageBox(QStringLiteral("Image2"))
            .at(6840, 240, 4860, 3660)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Triangle animation"))),
        questionLabel(QRect(360, 5160, 6855, 2415), 24),
        answerBox().at(7680, 5280, 1695, 1275).withFont(Tahoma, 48).tabAt(1),
        feedbackLabel(QRect(2760, 7560, 6495, 1095), 36),
        animationControls(7680, 3960).tabAt(2),
        fullScreenLabel(QStringLiteral("Label2"), 9360, 3960),
    };
    s.controls += problemsPageButtons(checkButton(10200, 4440).tabAt(0));
    return s;
}

} // namespace

const ScreenDefinition &trianglePageDefinition()
{
    static const ScreenDefinition s = build();
    return s;
}
