// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/platformchoice.h"

#include <QTest>

Q_DECLARE_METATYPE(SessionEnvironment)

class TestPlatformChoice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void choice_data()
    {
        QTest::addColumn<SessionEnvironment>("environment");
        QTest::addColumn<bool>("xServerUp");
        QTest::addColumn<QString>("chosen"); // "" leaves the choice to Qt
        // QT_QPA_PLATFORM, XDG_SESSION_TYPE, WAYLAND_DISPLAY, DISPLAY, the value after -platform.
        const auto row = [](const char *tag, SessionEnvironment environment, bool up, const char *chosen) {
            QTest::newRow(tag) << environment << up << QString(chosen);
        };
        row("X11 session", {"", "x11", "", ":0", ""}, true, "");
        row("Wayland with XWayland", {"", "wayland", "wayland-0", ":0", ""}, true, "xcb");
        row("Wayland session, display named only", {"", "Wayland", "", ":1", ""}, true, "xcb");
        row("XWayland gone", {"", "wayland", "wayland-0", ":0", ""}, false, "wayland");
        row("user asks for Wayland", {"wayland", "wayland", "wayland-0", ":0", ""}, true, "");
        row("user asks on the command line", {"", "wayland", "wayland-0", ":0", "wayland"}, true, "");
    }
    void choice()
    {
        QFETCH(SessionEnvironment, environment);
        QFETCH(bool, xServerUp);
        QStringList asked;
        const auto reachable = [&](const QString &name) {
            asked.append(name);
            return xServerUp;
        };
        QTEST(choosePlatform(environment, reachable), "chosen");
        // Only the display the session names is ever tried.
        QVERIFY(asked.isEmpty() || asked == QStringList{environment.display});
    }

    void socketPaths_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("socket");
        QTest::newRow("plain") << ":0" << QStringLiteral("/tmp/.X11-unix/X0");
        QTest::newRow("unix") << "unix:3" << QStringLiteral("/tmp/.X11-unix/X3");
        QTest::newRow("over the network") << "host:0" << QString();
    }
    void socketPaths()
    {
        QFETCH(QString, display);
        QTEST(x11SocketPath(display), "socket");
    }
};

QTEST_GUILESS_MAIN(TestPlatformChoice)
#include "tst_platformchoice.moc"
