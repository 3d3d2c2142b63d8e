// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QString>

class QWidget;
struct ControlDefinition;
struct ScreenDefinition;

// What assistive technology is told about the windows and their controls,
// read from their definitions, and the keyboard ways to the picture buttons.
// Controls that show words are named by them.
namespace Accessibility {

// Names and describes a newly built window.
void describeWindow(QWidget &window, const ScreenDefinition &definition);

// Gives a newly built control the spoken name of its definition and, for a
// button with a shortcut, the shortcut and a tooltip that shows it.
void describeControl(QWidget &control, const ControlDefinition &definition);

} // namespace Accessibility
