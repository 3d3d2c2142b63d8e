// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QString>
#include <functional>

// What the process was started with that bears on the window system.
struct SessionEnvironment
{
    QString qpaPlatform;      // QT_QPA_PLATFORM
    QString sessionType;      // XDG_SESSION_TYPE
    QString waylandDisplay;   // WAYLAND_DISPLAY
    QString display;          // DISPLAY
    QString platformArgument; // the value after -platform (or --platform) on the command line
    QString runtimeDirectory; // XDG_RUNTIME_DIR, where Wayland displays have their sockets

    static SessionEnvironment fromProcess(int argc, const char *const *argv);
};

// Whether a display would really take a connection: an X display by its
// name (":0", "host:1"), a Wayland display by its socket's path.
struct DisplayProbes
{
    std::function<bool(const QString &display)> x11;
    std::function<bool(const QString &socketPath)> wayland;
};

// The window systems the program asks Qt for, decided before the
// application is made: the ones that answer, in order of preference, for Qt
// to try one after the other ("xcb;wayland"). A Wayland client can neither
// place its windows nor keep one above another, and the lessons need both
// (centred screens, a Jotter on top), so X comes first wherever it answers,
// XWayland in a Wayland session included. A platform the user names wins:
// both empty leaves the choice to Qt. When no display answers, `failure`
// says what was tried.
struct PlatformChoice
{
    QString platforms;
    QString failure;
};
PlatformChoice choosePlatform(const SessionEnvironment &environment, const DisplayProbes &probes);

// The socket of the session's Wayland display: WAYLAND_DISPLAY as a path, or
// a name in the runtime folder ("wayland-0" when a Wayland session names none).
QString waylandSocketPath(const SessionEnvironment &environment);
