// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class CommandButton;
class Screen;

// What assistive technology is told about the screens, and the keyboard ways
// to the picture buttons. Controls that show words are named by them; the
// rest (pictures, drawing areas, number boxes, lines) are named here.
namespace Accessibility {

// The name of colour `index` (0 to 15) of the sixteen-colour table.
QString colourName(int index);

// Names the window and the controls of a newly built screen that show no
// words of their own.
void describeScreen(Screen &screen);

// The picture buttons of the lesson screens and the menu: a name, a tooltip
// that shows the shortcut, and the shortcut itself.
void describePictureButtons(Screen &screen);

struct PictureButton
{
    const char *name; // the control
    QString accessibleName;
    QKeySequence shortcut;
};
// The lesson screens' five buttons; the menu's exit is Command1, as cmdexit.
const QList<PictureButton> &pictureButtons();

} // namespace Accessibility
