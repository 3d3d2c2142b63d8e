// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <Qt>

class QWidget;
class Screen;

// Drives the program as a pupil does: mouse and keyboard input enters through
// the window system at the place where a control is on screen, and the
// application routes it, so a covered, hidden or disabled control does not
// get it. Keys go to whatever has the keyboard focus.
namespace Pupil {

// Press and release a button over the middle of `control`. An inactive
// window is activated first, as the window manager does on a click.
void click(QWidget *control, Qt::MouseButton button = Qt::LeftButton);
// The same at a point of a window's client area, in pixels.
void clickAt(QWidget *window, QPoint pixels, Qt::MouseButton button = Qt::LeftButton);
// Move the pointer, no button held, over the middle of `control`.
void hover(QWidget *control);
void hoverAt(QWidget *window, QPoint pixels);
// Press `button` at the first point, move through the others with `held`
// and release it at the last.
void drag(QWidget *window, const QList<QPoint> &pixels, Qt::MouseButton button, Qt::MouseButtons held);
// A move with buttons held, without press or release (a button held since
// before the pointer came in).
void moveHolding(QWidget *window, QPoint pixels, Qt::MouseButtons held);

// Type text, one key per character, into the focus of the active window.
void type(const QString &text);
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A key with a character code of its own but no key of its own (control characters).
void pressCharacter(QChar character, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Drops the offscreen window system's notes that it cannot raise a window
// or pass on size hints: thousands of visits would bury the test's output.
void quietWindowSystem();

// The program's windows now on screen, in no particular order.
QList<Screen *> visibleScreens();
// The window the pupil sees with this caption's screen name, or null.
Screen *visibleScreen(const QString &name);
// Whatever has the keyboard focus.
QWidget *focus();

} // namespace Pupil
