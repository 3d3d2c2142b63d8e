// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screendefinition.h"

#include <QColor>

class QObject;
class QWidget;

// Makes the controls a screen's rows describe: the widget of each kind with
// its texts, colours, font, place and state, or a timer.
namespace ControlFactory {

// The colours a row that names none takes from its window.
struct WindowFaces
{
    QColor system;     // the system's face: labels' back colour
    QColor background; // the window's own background: frames' back colour
};

// The control `row` describes, its object name the row's name and index.
// Widgets go under `parent` (the window or one of its frames); a timer is
// owned by `window`.
QObject *make(const ControlDefinition &row, QWidget &parent, QWidget &window, const WindowFaces &faces);

// The object name a row's control carries: "Label4", or "Label4(2)" in an array.
QString objectName(const QString &name, int index);

// Gives `copy`, made from the same row, what `original` shows now: its
// font, text and a label's colours.
void copyShownState(const QWidget &original, QWidget &copy);

} // namespace ControlFactory
