// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screen.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

// Drives the program as a pupil does: input enters through the window system
// at a point of a window and the application routes it, so a covered, hidden
// or disabled control does not get it.
namespace Pupil {

// The pictures the build generates beside the executable.
inline const QString PictureRoot = QStringLiteral(VERTEXA_PROGRAM_DIR);

// What the window system has queued, without the timers that are due by the
// wall clock: a run driven by the same input then takes the same course.
inline constexpr auto WithoutTimers = QEventLoop::X11ExcludeTimers;

// Drops the offscreen window system's notes that it cannot raise a window or
// grab the keyboard, and that a key went unused: thousands of visits would
// bury a failure's message under them.
inline void quietenWindowSystem()
{
    static const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const auto &context, const auto &text) {
            if (type != QtWarningMsg || !(text.startsWith(QLatin1String("This plugin does not support")) ||
                                          text.startsWith(QLatin1String("Keyboard event not accepted"))))
                previous(type, context, text);
        });
}

// Presses `button` at the first point of the top-level `window`, moves
// through the others with `held` and releases at the last; one point is a
// click. With no button it only moves. An inactive window is activated
// first, as the window manager does.
inline void drag(QWidget *window, const QList<QPoint> &pixels, Qt::MouseButton button, Qt::MouseButtons held = {})
{
    if (QApplication::activeWindow() != window && button != Qt::NoButton) {
        window->activateWindow();
        QApplication::processEvents(WithoutTimers);
    }
    static ulong time = 0; // far apart, so that two clicks never make a double click
    QWindow *w = window->windowHandle();
    for (qsizetype i = 0; i < pixels.size() + (button != Qt::NoButton); ++i) {
        const bool press = i == 0 && button != Qt::NoButton, release = i == pixels.size();
        const auto type = press ? QEvent::MouseButtonPress : release ? QEvent::MouseButtonRelease : QEvent::MouseMove;
        const QPoint at = pixels.at(qMin(i, pixels.size() - 1));
        const Qt::MouseButtons state = release ? held & ~Qt::MouseButtons(button) : held | button;
        const Qt::MouseButton changed = press || release ? button : Qt::NoButton;
        qt_handleMouseEvent(w, at, w->mapToGlobal(at), state, changed, type, {}, time += 1000);
    }
}

// The program's windows now on screen, by name: the window system's own
// order follows where they lie in memory, which no replay repeats. A name
// shown twice is there twice.
inline QMultiMap<QString, Screen *> shown()
{
    QMultiMap<QString, Screen *> screens;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *screen = qobject_cast<Screen *>(window); screen && screen->isVisible())
            screens.insert(screen->screenName(), screen);
    return screens;
}

} // namespace Pupil
