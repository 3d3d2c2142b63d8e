// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screen.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

// Drives the program as a pupil does: input enters through the window system
// at a point of a window and the application routes it, so a covered, hidden
// or disabled control does not get it. Keys go to the active window's focus.
namespace Pupil {

// The pictures the build generates beside the executable.
inline QString pictureRoot()
{
    return QStringLiteral(VERTEXA_PROGRAM_DIR);
}

// Drops the offscreen window system's notes that it cannot raise a window,
// which thousands of visits would bury the output in.
inline void prepare()
{
    static const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const auto &context, const auto &text) {
            if (type != QtWarningMsg || !text.startsWith(QLatin1String("This plugin does not support")))
                previous(type, context, text);
        });
}

// Presses `button` at the first point, moves through the others with `held`
// and releases at the last; one point is a click. With no button it only
// moves. An inactive window is activated first, as the window manager does.
inline void drag(QWidget *window, const QList<QPoint> &pixels, Qt::MouseButton button, Qt::MouseButtons held = {})
{
    QWidget *top = window->window();
    if (QApplication::activeWindow() != top && button != Qt::NoButton) {
        top->activateWindow();
        QApplication::processEvents();
    }
    static ulong time = 0; // far apart, so that two clicks never make a double click
    top->winId();
    QWindow *w = top->windowHandle();
    for (qsizetype i = 0; i < pixels.size() + (button != Qt::NoButton); ++i) {
        const bool press = i == 0 && button != Qt::NoButton, release = i == pixels.size();
        const auto type = press ? QEvent::MouseButtonPress : release ? QEvent::MouseButtonRelease : QEvent::MouseMove;
        const QPoint at = pixels.at(qMin(i, pixels.size() - 1));
        const Qt::MouseButtons state = release ? held & ~Qt::MouseButtons(button) : held | button;
        const Qt::MouseButton changed = press || release ? button : Qt::NoButton;
        qt_handleMouseEvent(w, at, w->mapToGlobal(at), state, changed, type, {}, time += 1000);
    }
}

inline void click(QWidget *control)
{
    drag(control->window(), {control->mapTo(control->window(), control->rect().center())}, Qt::LeftButton);
}

// A press and a release with the text a keyboard gives them, each to whichever
// window is active at that moment (a press may close the window it went to).
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    const auto other =
        QList{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Delete};
    QString text = key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde ? QString(QChar(key)) : QString();
    text = other.contains(key) ? QString(QStringLiteral("\r\r\b\t\x1b\x7f").at(other.indexOf(key))) : text;
    if (modifiers & Qt::ControlModifier && key >= Qt::Key_A && key <= Qt::Key_Z)
        text = QChar(key - Qt::Key_A + 1); // the control characters
    text = modifiers & Qt::ShiftModifier ? text : text.toLower();
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        if (QWidget *active = QApplication::activeWindow())
            qt_handleKeyEvent(active->windowHandle(), type, key, modifiers, text);
    }
}

// The program's windows now on screen.
inline QList<Screen *> visibleScreens()
{
    QList<Screen *> screens;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *screen = qobject_cast<Screen *>(window); screen && screen->isVisible())
            screens.append(screen);
    }
    return screens;
}

} // namespace Pupil
