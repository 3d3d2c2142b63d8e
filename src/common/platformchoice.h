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
    QString platformArgument; // the value after -platform on the command line

    static SessionEnvironment fromProcess(int argc, const char *const *argv);
};

// The window system the program asks Qt for, decided before the application
// is made. A Wayland client can neither place its windows nor keep one above
// another, and the lessons need both (centred screens, a Jotter on top), so
// in a Wayland session the program goes through XWayland when an X server is
// reachable. A platform the user names wins. Empty leaves the choice to Qt.
QString choosePlatform(const SessionEnvironment &environment,
                       const std::function<bool(const QString &display)> &xServerReachable);

// The socket of a local X display (":0", ":1.0", "unix:2"), empty for a
// display reached over the network.
QString x11SocketPath(const QString &display);

// Whether the X server of the display can be reached: for a local one, its
// socket exists; one over the network is taken at its word.
bool x11ServerReachable(const QString &display);
