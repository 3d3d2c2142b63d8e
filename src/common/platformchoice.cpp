// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/platformchoice.h"

#include <QStringList>

namespace {

bool isSession(const SessionEnvironment &environment, QLatin1String type)
{
    return environment.sessionType.compare(type, Qt::CaseInsensitive) == 0;
}

// An X session stays one whatever WAYLAND_DISPLAY a stray start script left;
// without a session type, a Wayland display is taken as its sign.
bool isWaylandSession(const SessionEnvironment &environment)
{
    if (isSession(environment, QLatin1String("x11")))
        return false;
    return isSession(environment, QLatin1String("wayland")) || !environment.waylandDisplay.isEmpty();
}

} // namespace

SessionEnvironment SessionEnvironment::fromProcess(int argc, const char *const *argv)
{
    SessionEnvironment e;
    e.qpaPlatform = qEnvironmentVariable("QT_QPA_PLATFORM");
    e.sessionType = qEnvironmentVariable("XDG_SESSION_TYPE");
    e.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    e.display = qEnvironmentVariable("DISPLAY");
    e.runtimeDirectory = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // Qt takes its options with one dash or two.
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            e.platformArgument = QString::fromLocal8Bit(argv[i + 1]);
    }
    return e;
}

QString waylandSocketPath(const SessionEnvironment &environment)
{
    QString name = environment.waylandDisplay;
    if (name.isEmpty() && isSession(environment, QLatin1String("wayland")))
        name = QStringLiteral("wayland-0");
    if (name.isEmpty() || name.startsWith(u'/'))
        return name;
    return environment.runtimeDirectory.isEmpty() ? QString() : environment.runtimeDirectory + u'/' + name;
}

PlatformChoice choosePlatform(const SessionEnvironment &environment, const DisplayProbes &probes)
{
    if (!environment.platformArgument.isEmpty() || !environment.qpaPlatform.isEmpty())
        return {};
    QStringList answering;
    QStringList tried;
    if (!environment.display.isEmpty()) {
        tried.append(QStringLiteral("X display \"%1\"").arg(environment.display));
        if (probes.x11(environment.display))
            answering.append(QStringLiteral("xcb"));
    }
    const QString socket = isWaylandSession(environment) ? waylandSocketPath(environment) : QString();
    if (!socket.isEmpty()) {
        tried.append(QStringLiteral("Wayland display \"%1\"").arg(socket));
        if (probes.wayland(socket))
            answering.append(QStringLiteral("wayland"));
    }
    if (!answering.isEmpty())
        return {answering.join(u';'), {}};
    if (tried.isEmpty())
        return {{}, QStringLiteral("no display to open a window on: neither DISPLAY nor WAYLAND_DISPLAY is set")};
    return {{}, QStringLiteral("no display to open a window on: tried %1, none answered").arg(tried.join(" and "))};
}
