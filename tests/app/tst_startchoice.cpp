// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/startchoice.h"
#include "common/platformchoice.h"
#include "support/datarow.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The options a run is left with, or its exit status when it ends at once, in
// one line a table can hold.
QString described(const StartChoice &choice)
{
    if (choice.exitCode)
        return QStringLiteral("exit ") + QString::number(*choice.exitCode);
    const StartOptions &o = choice.options;
    QStringList said{QStringLiteral("language=") + o.language.value_or(QStringLiteral("-"))};
    if (o.classCode)
        said << QStringLiteral("class-code=") + *o.classCode;
    if (o.scale)
        said << QStringLiteral("scale=") + (o.scale->fit ? QStringLiteral("fit") : QString::number(o.scale->factor));
    if (o.readAloud)
        said << QStringLiteral("read-aloud=") + QLatin1String(*o.readAloud ? "true" : "false");
    return said.join(u' ');
}

// Where a test's settings files go: two system folders and a user's.
const QStringList Folders{QStringLiteral("sys"), QStringLiteral("sys2"), QStringLiteral("home")};
// In place of a file's content: a folder of the file's name, which no one can read as a file.
const QByteArray Unreadable = QByteArrayLiteral("/");

} // namespace

Q_DECLARE_METATYPE(SessionEnvironment)

// What a run is told at its start: the window system to ask Qt for, then
// the options from its command line, the settings files and the
// environment, and what it does with a bad one: each kind of bad value
// meets one line that names it. (How the executable prints those lines, and
// help and the version, is run in tests/e2e/tst_windowmanager.)
class TestStartChoice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Real files in folders of the test's own (none: no file), under a French desktop.
    void choice_data()
    {
        QTest::addColumn<QByteArrayList>("files"); // the first system folder's, the second's, the user's
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("warned"); // one piece of each line, in order
        const QByteArrayList noFiles;
        const QStringList none;
        const auto badCommandLine = [&](const char *name, const QStringList &arguments, const char *warned) {
            QTest::newRow(name) << noFiles << arguments << "exit 2" << QStringList{warned};
        };
        badCommandLine("unknown option", {"--colour", "red"}, "unknown option 'colour'; the options are --help");
        badCommandLine("argument", {"lesson"}, "unexpected argument 'lesson'");
        badCommandLine("unknown language", {"--language", "sv"}, "--language 'sv' is not allowed; use");
        badCommandLine("scale off its steps", {"--scale", "1.3"}, "--scale '1.3' is not allowed; use");
        badCommandLine("two words", {"--class-code", "7 b"}, "--class-code '7 b' is not allowed");
        QTest::newRow("the desktop's language alone") << noFiles << none << "language=fr" << none;
        QTest::newRow("every option, with one dash and =")
            << noFiles << QStringList{"--language", "de", "-class-code= Klasse-5ä ", "-scale=fit", "--read-aloud"}
            << "language=de class-code=Klasse-5ä scale=fit read-aloud=true" << none;
        QTest::newRow("user over the first system folder, that over the second")
            << QByteArrayList{"language=de\nclass-code=Süd-3\nscale=1.75\n",
                              "scale=1.5\nlanguage=it\nread-aloud=true\n",
                              "[General]\nlanguage=nl\n"}
            << none << "language=nl class-code=Süd-3 scale=1.75 read-aloud=true" << none;
        QTest::newRow("command line over all")
            << QByteArrayList{"language=de\nclass-code=a\n", "", "language=nl\nclass-code=b\n"}
            << QStringList{"--class-code", "c", "--language", "uk"} << "language=uk class-code=c" << none;
        QTest::newRow("unreadable, and bad values with the rest used")
            << QByteArrayList{"language=de\n",
                              Unreadable,
                              "language=kl\nclass-code=a b\nread-aloud=1\ncolour=red\nscale=fit\n"}
            << none << "language=de scale=fit"
            << QStringList{"sys2/vertexa.conf: cannot be read",
                           "home/vertexa.conf: class-code=a b is ignored; allowed: one word",
                           "home/vertexa.conf: colour=red is ignored; allowed: one of the names",
                           "home/vertexa.conf: language=kl is ignored; allowed: one of de, en",
                           "home/vertexa.conf: read-aloud=1 is ignored; allowed: true or false"};
        QTest::newRow("garbled") << QByteArrayList{"language=de\nscale=2\n",
                                                   "",
                                                   QByteArray("\x01\xff[[\nscale=2.5\n\x00\x02=\n", 18)}
                                 << none << "language=de scale=2.5"
                                 << QStringList{"home/vertexa.conf: not a settings file"};
    }
    void choice()
    {
        QFETCH(QByteArrayList, files);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, warned);
        QTemporaryDir root;
        for (int i = 0; i < files.size(); ++i) {
            QFile file(root.filePath(Folders[i] + QStringLiteral("/vertexa.conf")));
            QVERIFY(QDir().mkpath(files[i] == Unreadable ? file.fileName() : root.filePath(Folders[i])));
            if (files[i] != Unreadable && !files[i].isEmpty())
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(files[i]) == files[i].size());
        }
        QProcessEnvironment env;
        env.insert(QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8"));
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"), root.filePath(Folders[0]) + u':' + root.filePath(Folders[1]));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(Folders[2]));
        const StartChoice choice = StartChoice::decide(QStringList{QStringLiteral("vertexa")} + arguments, env);
        QTEST(described(choice), "chosen");
        QCOMPARE(choice.warnings.size(), warned.size());
        for (int i = 0; i < warned.size(); ++i)
            QVERIFY2(choice.warnings[i].contains(warned[i]), qPrintable(choice.warnings[i]));
    }

    // The largest step of 0.25 at which the 800 x 600 lesson screen fits the
    // primary monitor's available area; each display is a run of its own.
    void scaleFitsThePrimaryMonitor()
    {
        const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
        const QMap<int, double> fitFor{{800, 1}, {1024, 1.25}, {1920, 1.75}, {3840, 3}};
        QCOMPARE((ProgramScale{true, 1}.factorFor(available)), fitFor[available.width()]);
    }

    // Which window system Qt is asked for, before the application is made.
    void platform_data()
    {
        QTest::addColumn<SessionEnvironment>("environment");
        QTest::addColumn<QString>("answering"); // the displays that take a connection: "x", "w", both or none
        QTest::addColumn<QString>("chosen");    // "" leaves the choice to Qt
        QTest::addColumn<QString>("tried");     // what the failure says was tried; "" when something answered
        // QT_QPA_PLATFORM, XDG_SESSION_TYPE, WAYLAND_DISPLAY, DISPLAY, the value after -platform, XDG_RUNTIME_DIR.
        using E = SessionEnvironment;
        const char *run = "/run/1000";
        addDataRow("X11 session", E{"", "x11", "", ":0", "", run}, "xw", "xcb", "");
        addDataRow("X11 session, a stray Wayland display", E{"", "x11", "wayland-0", ":0", "", run}, "xw", "xcb", "");
        addDataRow("XWayland, Wayland behind", E{"", "wayland", "wayland-0", ":0", "", run}, "xw", "xcb;wayland", "");
        addDataRow("Wayland dead, XWayland answers", E{"", "wayland", "wayland-0", ":0", "", run}, "x", "xcb", "");
        addDataRow("no session type, a Wayland display", E{"", "", "wayland-1", "", "", run}, "w", "wayland", "");
        addDataRow("user asks for Wayland", E{"wayland", "wayland", "wayland-0", ":0", "", run}, "", "", "");
        addDataRow("user asks on the command line", E{"", "wayland", "wayland-0", ":0", "wayland", run}, "", "", "");
        // What the failure names: the display in the runtime folder, by its usual name when none is given.
        addDataRow("no answer", E{"", "Wayland", "", ":1", "", run}, "", "", "\"/run/1000/wayland-0\", none");
        addDataRow("a path, silent", E{"", "wayland", "/tmp/w", "", "", run}, "", "", "display \"/tmp/w\", none");
        addDataRow("X session, X gone", E{"", "x11", "wayland-0", ":5", "", run}, "w", "", "X display \":5\", none");
        addDataRow("no display at all", E{"", "", "", "", "", run}, "xw", "", "neither DISPLAY nor WAYLAND");
    }
    void platform()
    {
        QFETCH(SessionEnvironment, environment);
        QFETCH(QString, answering);
        QFETCH(QString, tried);
        const auto probe = [&](QChar kind) { return [&, kind](const QString &) { return answering.contains(kind); }; };
        const PlatformChoice choice = choosePlatform(environment, {probe(u'x'), probe(u'w')});
        QTEST(choice.platforms, "chosen");
        QCOMPARE(choice.failure.isEmpty(), tried.isEmpty());
        QVERIFY2(choice.failure.contains(tried), qPrintable(choice.failure));
    }

    // Qt's -platform names the user's choice, and so does --platform.
    void platformOption()
    {
        for (const char *option : {"-platform", "--platform"}) {
            const char *argv[] = {"vertexa", option, "xcb"};
            QCOMPARE(SessionEnvironment::fromProcess(3, argv).platformArgument, QStringLiteral("xcb"));
        }
    }
};

QTEST_MAIN(TestStartChoice)
#include "tst_startchoice.moc"
