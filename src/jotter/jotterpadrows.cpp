// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "jotter/jotterrows.h"

#include "common/colourtable.h"
#include "screens/rows.h"

namespace {

using namespace Rows;

// The faces of the pad's buttons, one colour for each pair of twins.
namespace Faces {
const QColor Exit{255, 224, 192};
const QColor Write{255, 255, 192};
const QColor Erase{192, 192, 0};
const QColor Clear{255, 192, 128};
const QColor Flip = Colours::LightBlue;
} // namespace Faces

ControlDefinition padButton(const QString &name,
                            const QString &frameName,
                            int left,
                            int top,
                            int width,
                            const QString &text,
                            const QColor &face)
{
    return button(name)
        .in(frameName)
        .at(left, top, width, 480)
        .caption(text)
        .back(face)
        .pictureFace()
        .withFont(Tahoma, 12);
}

ScreenDefinition build()
{
    ScreenDefinition s;
    s.name = ScreenNames::Jotter;
    s.caption =
        //: Window caption of the drawing pad for working out.
        english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Jotter"));
    s.description =
        english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Drawing pad: draw with the left mouse button held down"));
    s.clientSize = QSize(9915, 3660);
    s.position = QPoint(150, 540);
    s.border = WindowBorder::FixedDialog;
    // No background colour: the system's window face until the pad sets its own.
    const QString landscape = QStringLiteral("Frame_landscape");
    const QString portrait = QStringLiteral("Frame_portrait");
    //: Jotter button that closes the pad (62x32 px).
    const QString exit = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Exit"));
    const QString write = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Write"));
    const QString erase = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Erase"));
    const QString clear = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Clear"));
    //: Jotter button that turns the pad between wide and tall: very small (39x32 px).
    const QString flip = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Flip"));
    s.controls = {
        frame(landscape)
            .at(0, 2910, 9920, 750)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Pen and colours"))),
        frame(portrait)
            .at(3165, 0, 1035, 5250)
            .startHidden()
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Pen and colours"))),
        padButton(QStringLiteral("Command1"), landscape, 60, 180, 930, exit, Faces::Exit),
        padButton(QStringLiteral("Command2"), landscape, 1120, 180, 930, write, Faces::Write),
        padButton(QStringLiteral("Command5"), landscape, 2180, 180, 930, erase, Faces::Erase),
        padButton(QStringLiteral("Command6"), landscape, 3240, 180, 930, clear, Faces::Clear),
        padButton(QStringLiteral("Command3"), landscape, 4305, 180, 585, flip, Faces::Flip),
        padButton(QStringLiteral("Command9"), portrait, 60, 180, 930, exit, Faces::Exit),
        padButton(QStringLiteral("Command10"), portrait, 60, 705, 930, write, Faces::Write),
        padButton(QStringLiteral("Command8"), portrait, 60, 1230, 930, erase, Faces::Erase),
        padButton(QStringLiteral("Command7"), portrait, 60, 1755, 930, clear, Faces::Clear),
        padButton(QStringLiteral("Command4"), portrait, 60, 2280, 930, flip, Faces::Flip),
    };
    // The swatches pick the pen's colour; the pad lays out elements 1 to 15,
    // and colours and names them all at load.
    for (int i = 0; i < 16; ++i) {
        s.controls.append(label(QStringLiteral("Label1"), i)
                              .in(landscape)
                              .at(5010, 285, 240, 240)
                              .back(Colours::Yellow)
                              .actsAsButton());
        s.controls.append(label(QStringLiteral("Label11"), i)
                              .in(portrait)
                              .at(180, 2820, 240, 240)
                              .back(Colours::Yellow)
                              .actsAsButton());
    }
    return s;
}

} // namespace

const ScreenDefinition &jotterPadDefinition()
{
    static const ScreenDefinition s = build();
    return s;
}
