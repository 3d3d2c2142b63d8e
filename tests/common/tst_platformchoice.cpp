// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/platformchoice.h"
#include "support/datarow.h"

#include <QTest>
#include <vector>

Q_DECLARE_METATYPE(SessionEnvironment)

class TestPlatformChoice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void choice_data()
    {
        QTest::addColumn<SessionEnvironment>("environment");
        QTest::addColumn<QString>("answering"); // the displays that take a connection: "x", "w", both or none
        QTest::addColumn<QString>("chosen");    // "" leaves the choice to Qt
        QTest::addColumn<QString>("tried");     // what the failure says was tried; "" when something answered
        // QT_QPA_PLATFORM, XDG_SESSION_TYPE, WAYLAND_DISPLAY, DISPLAY, the value after -platform, XDG_RUNTIME_DIR.
        const auto row = [](const char *tag,
                            SessionEnvironment environment,
                            const char *answering,
                            const char *chosen,
                            const char *tried = "") {
            QTest::newRow(tag) << environment << QString(answering) << QString(chosen) << QString(tried);
        };
        const char *run = "/run/user/1000";
        row("X11 session", {"", "x11", "", ":0", "", run}, "xw", "xcb");
        row("X11 session, a stray Wayland display", {"", "x11", "wayland-0", ":0", "", run}, "xw", "xcb");
        row("Wayland with XWayland, Wayland behind", {"", "wayland", "wayland-0", ":0", "", run}, "xw", "xcb;wayland");
        row("Wayland session, display named only", {"", "Wayland", "", ":1", "", run}, "xw", "xcb;wayland");
        row("XWayland gone", {"", "wayland", "wayland-0", ":0", "", run}, "w", "wayland");
        row("Wayland dead, XWayland answers", {"", "wayland", "wayland-0", ":0", "", run}, "x", "xcb");
        row("no session type, a Wayland display", {"", "", "wayland-1", "", "", run}, "w", "wayland");
        row("user asks for Wayland", {"wayland", "wayland", "wayland-0", ":0", "", run}, "", "");
        row("user asks on the command line", {"", "wayland", "wayland-0", ":0", "wayland", run}, "", "");
        row("nothing answers",
            {"", "wayland", "wayland-0", ":0", "", run},
            "",
            "",
            "X display \":0\" and Wayland display \"/run/user/1000/wayland-0\"");
        row("X session, X gone", {"", "x11", "wayland-0", ":5", "", run}, "w", "", "X display \":5\"");
        row("no display at all", {"", "", "", "", "", run}, "xw", "", "neither DISPLAY nor WAYLAND_DISPLAY");
    }
    void choice()
    {
        QFETCH(SessionEnvironment, environment);
        QFETCH(QString, answering);
        QFETCH(QString, tried);
        QStringList asked;
        const DisplayProbes probes{[&](const QString &display) {
                                       asked.append(display);
                                       return answering.contains(u'x');
                                   },
                                   [&](const QString &socket) {
                                       asked.append(socket);
                                       return answering.contains(u'w');
                                   }};
        const PlatformChoice choice = choosePlatform(environment, probes);
        QTEST(choice.platforms, "chosen");
        QCOMPARE(choice.failure.isEmpty(), tried.isEmpty());
        QVERIFY2(choice.failure.contains(tried), qPrintable(choice.failure));
        // Only the displays the session names are ever tried, X first.
        QVERIFY(asked.isEmpty() || asked.first() == environment.display || environment.display.isEmpty());
    }

    void waylandSockets_data()
    {
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("socket");
        addDataRow("a name in the runtime folder", "wayland", "wayland-1", "/run/user/7/wayland-1");
        addDataRow("a path", "wayland", "/tmp/w/display", "/tmp/w/display");
        addDataRow("the usual name when none is given", "wayland", "", "/run/user/7/wayland-0");
        addDataRow("none outside a Wayland session", "x11", "", "");
    }
    void waylandSockets()
    {
        QFETCH(QString, sessionType);
        QFETCH(QString, waylandDisplay);
        const SessionEnvironment environment{"", sessionType, waylandDisplay, ":0", "", "/run/user/7"};
        QTEST(waylandSocketPath(environment), "socket");
    }

    void platformOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform");
        QTest::newRow("one dash") << QStringList{"vertexa", "-platform", "xcb"} << "xcb";
        QTest::newRow("two dashes") << QStringList{"vertexa", "--platform", "wayland"} << "wayland";
        QTest::newRow("no value") << QStringList{"vertexa", "--platform"} << "";
    }
    void platformOption()
    {
        QFETCH(QStringList, arguments);
        QList<QByteArray> bytes;
        std::vector<const char *> argv;
        for (const QString &argument : arguments)
            bytes.append(argument.toLocal8Bit());
        for (const QByteArray &argument : bytes)
            argv.push_back(argument.constData());
        QTEST(SessionEnvironment::fromProcess(int(argv.size()), argv.data()).platformArgument, "platform");
    }
};

QTEST_GUILESS_MAIN(TestPlatformChoice)
#include "tst_platformchoice.moc"
