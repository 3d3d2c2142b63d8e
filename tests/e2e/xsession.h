// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QProcess>
#include <QRect>
#include <QStringList>

// An X server of the test's own (Xvfb), perhaps with a window manager, the
// built program started on it from its own folder, and the X tools that
// look at its windows and drive them. Everything started here stops with it.
class XSession
{
public:
    explicit XSession(QSize screen);
    ~XSession();

    // Empty when the server is up; otherwise what is wrong.
    QString fault() const { return m_fault; }

    // Starts a window manager and waits until it has taken over the screen.
    bool startWindowManager(const QString &program);
    // The program, started as a pupil's desktop starts it.
    QProcess &startProgram();
    static void startProgram(QProcess &program);

    // A tool's standard output, empty if it failed.
    static QString run(const QString &tool, const QStringList &arguments);
    static QString xdotool(const QStringList &arguments) { return run(QStringLiteral("xdotool"), arguments); }

    // The program's first visible window whose title matches the pattern;
    // empty if none appears in time.
    QString window(const QString &titlePattern) const;
    // The window with the frame its window manager reports (_NET_FRAME_EXTENTS).
    static QRect outerRect(const QString &window);
    // Managed windows from the bottom of the stack to the top.
    static QStringList stacking();
    // A click at a point of the window's client area, in pixels.
    static void click(const QString &window, QPoint at);

private:
    QProcess m_server;
    QProcess m_manager;
    QProcess m_program;
    QString m_fault;
};
