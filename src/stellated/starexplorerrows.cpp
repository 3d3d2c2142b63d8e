// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "stellated/stellatedrows.h"

namespace Rows {

ControlDefinition numberBox(int index, int left, int top, const QString &text)
{
    return textBox(QStringLiteral("Text2"), index)
        .accessibleName(index == 0 ? english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Number of edges"))
                                   : english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertices skipped")))
        .at(left, top, 495, 495)
        .caption(text)
        .fore(Colours::Blue)
        .withFont(Tahoma, 15.75, Bold)
        .centred()
        .atMost(2);
}

ControlDefinition numberLabel(int index, int left, int top)
{
    return yellowLabel(QStringLiteral("Label5"), index)
        .at(left, top, 1935, 375)
        .caption(index == 0 ?
                            //: n of the star polygon {n/k}: how many edges (sides) it has.
                     english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Number of edges"))
                            :
                            //: k of the star polygon {n/k}: the step from one vertex to the next one joined.
                     english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertices skipped")))
        .withFont(Tahoma, 12);
}

} // namespace Rows

namespace {

using namespace Rows;

ScreenDefinition build()
{
    ScreenDefinition s =
        lessonScreen(ScreenNames::Explorer, english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Stellated Polygons")));
    s.description = english(
        QT_TRANSLATE_NOOP("ScreenDefinitions",
                          "Draws the star polygon with the number of edges and the vertices skipped typed below"));
    s.controls = {
        yellowLabel(QStringLiteral("Label1"))
            .at(240, 240, 11535, 2175)
            .caption(english(QT_TRANSLATE_NOOP(
                "ScreenDefinitions",
                "Stellated polygons were first systematically studied by an Englishman called "
                "Brenthorne who died from the Black Death in 1349.  In the Middle Ages a knowledge of "
                "geometry and mathematics was thought to give magical powers.  Stellated polygons were "
                "used by witches as markings in their magic circles and on their talismans.")))
            .withFont(Tahoma, 15.75),
        yellowLabel(QStringLiteral("Label3"))
            .at(240, 3240, 3375, 1695)
            .caption(english(QT_TRANSLATE_NOOP(
                "ScreenDefinitions",
                "To draw a new stellated polygon enter numbers into the text boxes and press Enter.")))
            .withFont(Tahoma, 15.75),
        numberLabel(0, 4320, 3480),
        numberBox(0, 4920, 3840, QStringLiteral("5")).tabAt(1),
        numberLabel(1, 4320, 4560),
        numberBox(1, 4920, 4920, QStringLiteral("2")).tabAt(2),
        linkLabel(QStringLiteral("Label2"), 0)
            .at(4560, 7920, 3315, 495)
            .caption(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Problems Page"))),
        exitButton(QStringLiteral("cmdexit"), 10275, 1125).tabAt(0),
        timer(QStringLiteral("Timer1")).every(50).startDisabled(),
    };
    return s;
}

} // namespace

const ScreenDefinition &explorerDefinition()
{
    static const ScreenDefinition s = build();
    return s;
}
