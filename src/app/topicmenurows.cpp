// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/approws.h"
#include "common/colourtable.h"
#include "screens/rows.h"

using Rows::english;

namespace Publisher {
const QString Name =
    //: The publisher's name: the menu's window caption and part of the notice. May stay as it is.
    english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertexa Learning"));
const QString Notice =
    //: Publisher's notice on the title screen and the menu. May stay as it is.
    english(QT_TRANSLATE_NOOP("ScreenDefinitions", "\u00A9 2026 Vertexa Learning"));
const QString WebAddress =
    //: The publisher's web address shown on the menu. May stay as it is.
    english(QT_TRANSLATE_NOOP("ScreenDefinitions", "www.vertexa.example"));
const QString WebUrl = QStringLiteral("https://www.vertexa.example/");
const QString AuthorCredit = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "by the Vertexa developers"));
} // namespace Publisher

namespace {

using namespace Rows;

ScreenDefinition build()
{
    ScreenDefinition s;
    s.name = ScreenNames::Menu;
    s.caption = Publisher::Name;
    s.description = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Topic menu"));
    s.clientSize = QSize(12120, 8655);
    s.background = Colours::LightBlue;
    auto topic = [](const QString &name, int left, const QString &caption) {
        return yellowLabel(name, 0)
            .at(left, 2520, 5355, 495)
            .caption(caption)
            .back(Colours::Blue)
            .withFont(Tahoma, 18, Bold)
            .startHidden()
            .centred()
            .withBorder()
            .actsAsButton();
    };
    s.controls = {
        imageBox(QStringLiteral("Image2"))
            .at(120, 120, 1500, 2085)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertexa logo"))),
        yellowLabel(QStringLiteral("Label1"))
            .at(1920, 120, 7980, 900)
            .caption(
                //: The program's name: the menu's title, and what a screen reader calls the title screen.
                english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Vertexa 1 Demo")))
            .back(Colours::Black)
            .withFont(Tahoma, 30, Bold)
            .centred()
            .withBorder(),
        yellowLabel(QStringLiteral("Label4"))
            .at(9720, 120, 1800, 375)
            .caption(
                //: The program's version on the menu: keep the number.
                english(QT_TRANSLATE_NOOP("ScreenDefinitions", "version 4.0.006")))
            .withFont(Tahoma, 9.75, Bold)
            .rightAligned(),
        topic(QStringLiteral("Label2"),
              360,
              english(QT_TRANSLATE_NOOP("ScreenDefinitions", "The Angles of a Triangle"))),
        topic(QStringLiteral("Label5"), 6240, english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Stellated Polygons"))),
        exitButton(QStringLiteral("Command1"), 9570, 7230),
        label(QStringLiteral("Label6"))
            .at(4440, 8040, 3315, 375)
            .caption(Publisher::WebAddress)
            .fore(Colours::Yellow)
            .back(Colours::Black)
            .withFont(Arial, 12, Bold)
            .centred()
            .withBorder()
            .actsAsLink(),
        yellowLabel(QStringLiteral("Label3"))
            .at(8040, 8145, 3600, 375)
            .caption(Publisher::Notice)
            .withFont(Tahoma, 9.75)
            .centred(),
    };
    return s;
}

} // namespace

const ScreenDefinition &topicMenuDefinition()
{
    static const ScreenDefinition s = build();
    return s;
}
