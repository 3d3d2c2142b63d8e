// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/approws.h"
#include "common/colourtable.h"
#include "screens/rows.h"

namespace {

using namespace Rows;

ScreenDefinition build()
{
    ScreenDefinition s;
    s.name = ScreenNames::Title;
    s.caption = QStringLiteral(" ");
    s.spokenName =
        //: The program's name: the menu's title, and what a screen reader calls the title screen.
        english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertexa 1 Demo"));
    s.description = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertexa 1 Demo, title screen"));
    s.clientSize = QSize(5460, 6570);
    s.position = QPoint(2640, 1260);
    s.background = Colours::Silver;
    s.hasIcon = true;
    const QString inFrame = QStringLiteral("Frame1");
    s.controls = {
        frame(inFrame)
            .at(0, -90, 5480, 6660)
            .back(Colours::Silver)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Title"))),
        label(QStringLiteral("Label4"), 0)
            .in(inFrame)
            .at(60, 120, 5355, 735)
            .caption(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertexa 1")))
            .fore(Colours::Blue)
            .seeThrough()
            .withFont(Times, 30, Bold)
            .centred(),
        label(QStringLiteral("Label4"), 1)
            .in(inFrame)
            .at(60, 780, 5355, 735)
            .caption(
                //: Second line of the program's name on the title screen: the demonstration version.
                english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Demo")))
            .fore(Colours::Blue)
            .seeThrough()
            .withFont(Times, 20.25, Bold)
            .centred(),
        pictureBox(QStringLiteral("Picture1"))
            .in(inFrame)
            .at(300, 1320, 4800, 3600)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Title animation"))),
        label(QStringLiteral("Label3"))
            .in(inFrame)
            .at(480, 5370, 4455, 615)
            .caption(Publisher::AuthorCredit)
            .fore(Colours::Blue)
            .seeThrough()
            .withFont(Times, 15.75)
            .centred(),
        button(QStringLiteral("Command1"))
            .in(inFrame)
            .at(1320, 6000, 1335, 375)
            .caption(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "OK")))
            .back(Colours::Silver),
        button(QStringLiteral("Command2"))
            .in(inFrame)
            .at(2760, 6000, 1335, 375)
            //: Title screen button that quits the program (89x25 px).
            .caption(QT_TRANSLATE_NOOP3("ScreenDefinitions", "Exit", "quits the program"))
            .back(Colours::Silver),
        label(QStringLiteral("Label2"))
            .in(inFrame)
            .at(0, 6420, 5415, 255)
            .caption(Publisher::Notice)
            .fore(Colours::Blue)
            .seeThrough()
            .withFont(Arial, 8.25)
            .centred(),
        timer(QStringLiteral("Timer1")).every(25).startDisabled(),
    };
    return s;
}

} // namespace

const ScreenDefinition &titleScreenDefinition()
{
    static const ScreenDefinition s = build();
    return s;
}
