// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screendefinition.h"

// The small builders every screen's rows are written with, so that a
// definition reads like a row of a table: kind, name and index first, then
// the fluent setters of ControlDefinition. The texts they add are marked in
// the "ScreenDefinitions" context, as every text of the rows is.
namespace Rows {

inline const QString Tahoma = QStringLiteral("Tahoma");
inline const QString Arial = QStringLiteral("Arial");
inline const QString Times = QStringLiteral("Times New Roman");
constexpr bool Bold = true;

// A text marked with QT_TRANSLATE_NOOP: rows keep the English, a screen shows
// it through shownText().
inline QString english(const char *marked)
{
    return QString::fromUtf8(marked);
}

ControlDefinition control(ControlKind kind, const QString &name, int index = NoIndex);
ControlDefinition label(const QString &name, int index = NoIndex);
ControlDefinition button(const QString &name, int index = NoIndex);
ControlDefinition textBox(const QString &name, int index = NoIndex);
ControlDefinition imageBox(const QString &name);
ControlDefinition pictureBox(const QString &name);
ControlDefinition frame(const QString &name);
ControlDefinition line(const QString &name, int index);
ControlDefinition timer(const QString &name);
ControlDefinition playerBar(const QString &name);

// A lesson screen's picture button; its picture and final place come from styling.
// It has no words: the spoken name says what it does, and Alt and a letter presses it.
ControlDefinition pictureButton(const QString &name, int left, int top, const QString &spoken, Qt::Key key);
// The picture button that leaves a lesson screen (Alt+X).
ControlDefinition exitButton(const QString &name, int left, int top);

// Yellow text on the window, the usual lesson label.
ControlDefinition yellowLabel(const QString &name, int index = NoIndex);
// A bordered yellow-on-blue label that serves as a button or link.
ControlDefinition linkLabel(const QString &name, int index = NoIndex);

// A lesson screen: its name, caption, the common client size and light blue.
ScreenDefinition lessonScreen(const QString &name, const QString &caption);

} // namespace Rows
