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
        using E = SessionEnvironment;
        const char *run = "/run/user/1000";
        addDataRow("X11 session", E{"", "x11", "", ":0", "", run}, "xw", "xcb", "");
        addDataRow("X11 session, a stray Wayland display", E{"", "x11", "wayland-0", ":0", "", run}, "xw", "xcb", "");
        addDataRow("XWayland, Wayland behind", E{"", "wayland", "wayland-0", ":0", "", run}, "xw", "xcb;wayland", "");
        addDataRow("XWayland gone", E{"", "wayland", "wayland-0", ":0", "", run}, "w", "wayland", "");
        addDataRow("Wayland dead, XWayland answers", E{"", "wayland", "wayland-0", ":0", "", run}, "x", "xcb", "");
        addDataRow("no session type, a Wayland display", E{"", "", "wayland-1", "", "", run}, "w", "wayland", "");
        addDataRow("user asks for Wayland", E{"wayland", "wayland", "wayland-0", ":0", "", run}, "", "", "");
        addDataRow("user asks on the command line", E{"", "wayland", "wayland-0", ":0", "wayland", run}, "", "", "");
        // What the failure names: the display in the runtime folder, by its usual name when none is given.
        addDataRow("nothing answers",
                   E{"", "Wayland", "", ":1", "", run},
                   "",
                   "",
                   "tried X display \":1\" and Wayland display \"/run/user/1000/wayland-0\", none");
        addDataRow("a path, silent", E{"", "wayland", "/tmp/w", "", "", run}, "", "", "display \"/tmp/w\", none");
        addDataRow("X session, X gone", E{"", "x11", "wayland-0", ":5", "", run}, "w", "", "X display \":5\", none");
        addDataRow("no display at all", E{"", "", "", "", "", run}, "xw", "", "neither DISPLAY nor WAYLAND");
    }
    void choice()
    {
        QFETCH(SessionEnvironment, environment);
        QFETCH(QString, answering);
        QFETCH(QString, tried);
        QStringList asked;
        const auto probe = [&](QChar kind) {
            return [&, kind](const QString &display) {
                asked.append(display);
                return answering.contains(kind);
            };
        };
        const PlatformChoice choice = choosePlatform(environment, {probe(u'x'), probe(u'w')});
        QTEST(choice.platforms, "chosen");
        QCOMPARE(choice.failure.isEmpty(), tried.isEmpty());
        QVERIFY2(choice.failure.contains(tried), qPrintable(choice.failure));
        // Only the displays the session names are ever tried, X first.
        QVERIFY(asked.isEmpty() || asked.first() == environment.display || environment.display.isEmpty());
    }

    void platformOption_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QString>("platform");
        QTest::newRow("one dash") << QByteArrayList{"vertexa", "-platform", "xcb"} << "xcb";
        QTest::newRow("two dashes") << QByteArrayList{"vertexa", "--platform", "wayland"} << "wayland";
        QTest::newRow("no value") << QByteArrayList{"vertexa", "--platform"} << "";
    }
    void platformOption()
    {
        QFETCH(QByteArrayList, arguments);
        std::vector<const char *> argv;
        for (const QByteArray &argument : arguments)
            argv.push_back(argument.constData());
        QTEST(SessionEnvironment::fromProcess(int(argv.size()), argv.data()).platformArgument, "platform");
    }
};

QTEST_GUILESS_MAIN(TestPlatformChoice)
#include "tst_platformchoice.moc"
