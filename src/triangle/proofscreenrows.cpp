// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/rows.h"
#include "triangle/prooffigure.h"
#include "triangle/trianglerows.h"

namespace {

using namespace Rows;

ScreenDefinition build()
{
    ScreenDefinition s =
        lessonScreen(ScreenNames::Proof, english(QT_TRANSLATE_NOOP("ScreenDefinitions", "The Angles of a Triangle")));
    s.description =
        english(QT_TRANSLATE_NOOP("ScreenDefinitions", "A proof that the angles of a triangle add up to 180 degrees"));
    s.controls = {
        yellowLabel(QStringLiteral("Label1"))
            .at(240, 240, 11535, 2175)
            .caption(
                english(QT_TRANSLATE_NOOP("ScreenDefinitions",
                                          "Click the button labelled \"Next Step\" to step through a proof of the "
                                          "theorem that the sum of the angles of a triangle is equal to 180\u00B0.")))
            .withFont(Tahoma, 15.75),
        yellowLabel(QStringLiteral("Label3"))
            .at(1920, 1680, 8175, 1335)
            .caption(english(
                QT_TRANSLATE_NOOP("ScreenDefinitions", "The angles of the triangle below are labelled R, P and Q.")))
            .withFont(Tahoma, 15.75),
    };
    // Above the opening words, below the links.
    s.controls += ProofFigure::rows();
    s.controls += {
        linkLabel(QStringLiteral("Label5"))
            .at(5160, 6720, 1995, 495)
            .caption(
                //: Caption of the proof's step button; the proof's opening text quotes it.
                english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Next Step")))
            .actsAsButton(),
        linkLabel(QStringLiteral("Label2"))
            .at(4560, 7920, 3315, 495)
            .caption(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Problems Page"))),
        exitButton(QStringLiteral("cmdexit"), 10275, 1125),
        timer(QStringLiteral("Timer1")).every(50).startDisabled(),
    };
    return s;
}

} // namespace

const ScreenDefinition &proofScreenDefinition()
{
    static const ScreenDefinition s = build();
    return s;
}
