// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/rows.h"

#include "common/colourtable.h"

#include <QCoreApplication>

namespace Rows {

ControlDefinition control(ControlKind kind, const QString &name, int index)
{
    ControlDefinition c;
    c.kind = kind;
    c.name = name;
    c.index = index;
    return c;
}

ControlDefinition label(const QString &name, int index)
{
    return control(ControlKind::Label, name, index);
}

ControlDefinition button(const QString &name, int index)
{
    return control(ControlKind::CommandButton, name, index);
}

ControlDefinition textBox(const QString &name, int index)
{
    return control(ControlKind::TextBox, name, index);
}

ControlDefinition imageBox(const QString &name)
{
    return control(ControlKind::ImageBox, name);
}

ControlDefinition pictureBox(const QString &name)
{
    return control(ControlKind::PictureBox, name);
}

ControlDefinition frame(const QString &name)
{
    return control(ControlKind::Frame, name);
}

ControlDefinition line(const QString &name, int index)
{
    return control(ControlKind::Line, name, index);
}

ControlDefinition timer(const QString &name)
{
    return control(ControlKind::Timer, name);
}

ControlDefinition playerBar(const QString &name)
{
    return control(ControlKind::PlayerBar, name);
}

ControlDefinition pictureButton(const QString &name, int left, int top, const QString &spoken, Qt::Key key)
{
    return button(name).at(left, top, 1650, 500).pictureFace().accessibleName(spoken).shortcut(Qt::ALT | key);
}

ControlDefinition exitButton(const QString &name, int left, int top)
{
    return pictureButton(name,
                         left,
                         top,
                         //: Spoken name and tooltip of the picture button that leaves a lesson screen (Alt+X).
                         english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Exit")),
                         Qt::Key_X);
}

ControlDefinition yellowLabel(const QString &name, int index)
{
    return label(name, index).fore(Colours::Yellow).seeThrough();
}

ControlDefinition linkLabel(const QString &name, int index)
{
    return label(name, index)
        .fore(Colours::Yellow)
        .back(Colours::Blue)
        .withFont(Tahoma, 18, Bold)
        .centred()
        .withBorder()
        .actsAsLink();
}

ScreenDefinition lessonScreen(const QString &name, const QString &caption)
{
    ScreenDefinition s;
    s.name = name;
    s.caption = caption;
    s.clientSize = QSize(11910, 8700);
    s.background = Colours::LightBlue;
    return s;
}

} // namespace Rows
