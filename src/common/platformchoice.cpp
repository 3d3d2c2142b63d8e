// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/platformchoice.h"

#include <QFileInfo>
#include <QRegularExpression>

SessionEnvironment SessionEnvironment::fromProcess(int argc, const char *const *argv)
{
    SessionEnvironment e;
    e.qpaPlatform = qEnvironmentVariable("QT_QPA_PLATFORM");
    e.sessionType = qEnvironmentVariable("XDG_SESSION_TYPE");
    e.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    e.display = qEnvironmentVariable("DISPLAY");
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0)
            e.platformArgument = QString::fromLocal8Bit(argv[i + 1]);
    }
    return e;
}

QString choosePlatform(const SessionEnvironment &environment,
                       const std::function<bool(const QString &display)> &xServerReachable)
{
    if (!environment.platformArgument.isEmpty() || !environment.qpaPlatform.isEmpty())
        return QString();
    const bool wayland = environment.sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0 ||
                         !environment.waylandDisplay.isEmpty();
    if (!wayland)
        return QString();
    if (!environment.display.isEmpty() && xServerReachable(environment.display))
        return QStringLiteral("xcb");
    return QStringLiteral("wayland");
}

QString x11SocketPath(const QString &display)
{
    static const QRegularExpression local(QStringLiteral("^(?:unix)?:(\\d+)(?:\\.\\d+)?$"));
    const QRegularExpressionMatch match = local.match(display);
    return match.hasMatch() ? QStringLiteral("/tmp/.X11-unix/X") + match.captured(1) : QString();
}

bool x11ServerReachable(const QString &display)
{
    const QString socket = x11SocketPath(display);
    return socket.isEmpty() ? !display.isEmpty() : QFileInfo::exists(socket);
}
