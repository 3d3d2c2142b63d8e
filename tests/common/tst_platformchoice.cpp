// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/platformchoice.h"

#include <QTest>

class TestPlatformChoice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void choice_data()
    {
        QTest::addColumn<QString>("qpaPlatform");
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("argument"); // after -platform
        QTest::addColumn<bool>("xServerUp");
        QTest::addColumn<QString>("chosen");

        QTest::newRow("X11 session") << ""
                                     << "x11"
                                     << ""
                                     << ":0"
                                     << "" << true << "";
        QTest::newRow("no desktop session") << ""
                                            << ""
                                            << ""
                                            << ":0"
                                            << "" << true << "";
        QTest::newRow("Wayland with XWayland") << ""
                                               << "wayland"
                                               << "wayland-0"
                                               << ":0"
                                               << "" << true << "xcb";
        QTest::newRow("Wayland session, display named only") << ""
                                                             << "Wayland"
                                                             << ""
                                                             << ":1"
                                                             << "" << true << "xcb";
        QTest::newRow("Wayland display without session type") << ""
                                                              << ""
                                                              << "wayland-0"
                                                              << ":0"
                                                              << "" << true << "xcb";
        QTest::newRow("XWayland gone") << ""
                                       << "wayland"
                                       << "wayland-0"
                                       << ":0"
                                       << "" << false << "wayland";
        QTest::newRow("Wayland without X") << ""
                                           << "wayland"
                                           << "wayland-0"
                                           << ""
                                           << "" << false << "wayland";
        QTest::newRow("user asks for Wayland") << "wayland"
                                               << "wayland"
                                               << "wayland-0"
                                               << ":0"
                                               << "" << true << "";
        QTest::newRow("user asks for X11 without X") << "xcb"
                                                     << "wayland"
                                                     << "wayland-0"
                                                     << ""
                                                     << "" << false << "";
        QTest::newRow("user asks on the command line") << ""
                                                       << "wayland"
                                                       << "wayland-0"
                                                       << ":0"
                                                       << "wayland" << true << "";
    }
    void choice()
    {
        QFETCH(QString, qpaPlatform);
        QFETCH(QString, sessionType);
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, display);
        QFETCH(QString, argument);
        QFETCH(bool, xServerUp);
        QFETCH(QString, chosen);
        QStringList asked;
        const auto reachable = [&](const QString &name) {
            asked.append(name);
            return xServerUp;
        };
        QCOMPARE(choosePlatform({qpaPlatform, sessionType, waylandDisplay, display, argument}, reachable), chosen);
        // Only the display the session names is ever tried.
        QVERIFY(asked.isEmpty() || asked == QStringList{display});
    }

    void socketPaths_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("socket");
        QTest::newRow("plain") << ":0"
                               << "/tmp/.X11-unix/X0";
        QTest::newRow("with screen") << ":12.1"
                                     << "/tmp/.X11-unix/X12";
        QTest::newRow("unix") << "unix:3"
                              << "/tmp/.X11-unix/X3";
        QTest::newRow("over the network") << "host:0"
                                          << "";
        QTest::newRow("not a display") << ":x"
                                       << "";
    }
    void socketPaths()
    {
        QFETCH(QString, display);
        QFETCH(QString, socket);
        QCOMPARE(x11SocketPath(display), socket);
    }

    void commandLine()
    {
        const char *arguments[] = {"vertexa", "-platform", "offscreen"};
        QCOMPARE(SessionEnvironment::fromProcess(3, arguments).platformArgument, QStringLiteral("offscreen"));
        QCOMPARE(SessionEnvironment::fromProcess(2, arguments).platformArgument, QString());
    }
};

QTEST_GUILESS_MAIN(TestPlatformChoice)
#include "tst_platformchoice.moc"
