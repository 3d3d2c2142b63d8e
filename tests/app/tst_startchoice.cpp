// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/startchoice.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The options a run is left with, in one line a table can hold.
QString described(const StartOptions &o)
{
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

// What a run is told by its command line, the settings files and the
// environment, and what it does with a bad one.
class TestStartChoice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode"); // -1: the program runs
        QTest::addColumn<QString>("said"); // what the run is left with, or a piece of what it printed
        const auto row = [](const char *name, const QStringList &arguments, int exitCode, const QString &said) {
            QTest::newRow(name) << arguments << exitCode << said;
        };
        row("nothing", {}, -1, "language=en");
        row("every option",
            {"--language", "de", "--class-code", "Klasse-5ä", "--scale", "1.75", "--read-aloud"},
            -1,
            "language=de class-code=Klasse-5ä scale=1.75 read-aloud=true");
        row("single dash, = values",
            {"-language=zh_CN", "-scale=fit", "--class-code= 7b "},
            -1,
            "language=zh_CN class-code=7b scale=fit");
        row("largest scale", {"--scale", "3"}, -1, "language=en scale=3");
        row("help", {"--help"}, 0, "--class-code <word>");
        row("help with Qt's options", {"--help-all"}, 0, "-platform <platformName[:options]>");
        row("version", {"--version"}, 0, "vertexa 1.0.0\n");
        row("unknown option", {"--colour", "red"}, 2, "vertexa: unknown option 'colour'; the options are");
        row("no value", {"--scale"}, 2, "Missing value after '--scale'");
        row("argument", {"lesson"}, 2, "unexpected argument 'lesson'");
        row("unknown language", {"--language", "sv"}, 2, "--language 'sv' is not allowed; use one of de, en, es");
        row("scale off its steps", {"--scale", "1.3"}, 2, "--scale '1.3' is not allowed; use a number from 1 to 3");
        row("scale too large", {"--scale", "3.25"}, 2, "--scale '3.25'");
        row("two words", {"--class-code", "7 b"}, 2, "--class-code '7 b' is not allowed; use one word");
        row("flag with a value", {"--read-aloud=yes"}, 2, "Unexpected value after '--read-aloud'");
    }
    // Runs in the test; every other row through the executable itself: what it
    // prints where, its exit status, and that it ends at once, without a window.
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        // No settings files, and Qt's runtime folder made here, not with a warning.
        QTemporaryDir empty;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
            env.insert(QLatin1String(name), empty.path());
        env.remove(QStringLiteral("LANGUAGE"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        if (exitCode < 0) {
            const StartChoice choice = StartChoice::decide(QStringList{QStringLiteral("vertexa")} + arguments, env);
            QCOMPARE(choice.exitCode, std::nullopt);
            QCOMPARE(described(choice.options), said);
            QCOMPARE(choice.warnings, QStringList());
            return;
        }
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VERTEXA_EXECUTABLE),
                      QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen")} + arguments);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), exitCode);
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2((exitCode ? err : out).contains(said), qPrintable(out + err));
        QCOMPARE((exitCode ? out : err).trimmed(), QString());
        if (exitCode == 2) // one line
            QCOMPARE(err.count(u'\n'), 1);
    }

    // Real files in folders of the test's own, one column each (empty: no file).
    void settingsFiles_data()
    {
        QTest::addColumn<QByteArrayList>("files"); // the first system folder's, the second's, the user's
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("warned"); // one piece of each line, in order
        const auto row = [](const char *name,
                            const QByteArrayList &files,
                            const QStringList &arguments,
                            const char *locale,
                            const char *chosen,
                            const QStringList &warned = {}) {
            QTest::newRow(name) << files << arguments << QString::fromLatin1(locale) << QString::fromUtf8(chosen)
                                << warned;
        };
        row("environment alone", {"", "", ""}, {}, "fr_FR.UTF-8", "language=fr");
        row("system over environment",
            {"language=de\nclass-code=Süd-3\nscale=fit\nread-aloud=true\n", "", ""},
            {},
            "fr_FR.UTF-8",
            "language=de class-code=Süd-3 scale=fit read-aloud=true");
        row("first system folder over the second",
            {"scale=2\n", "scale=1.5\nlanguage=it\n", ""},
            {},
            "C",
            "language=it scale=2");
        row("user over system",
            {"language=de\nscale=2\n", "", "[General]\nlanguage=nl\nread-aloud=false\n"},
            {},
            "C",
            "language=nl scale=2 read-aloud=false");
        row("command line over all",
            {"language=de\nclass-code=a\n", "", "language=nl\nclass-code=b\n"},
            {"--class-code", "c", "--language", "uk"},
            "fr_FR.UTF-8",
            "language=uk class-code=c");
        row("unreadable",
            {"language=de\nscale=2\n", "", Unreadable},
            {},
            "C",
            "language=de scale=2",
            {"home/vertexa.conf: cannot be read"});
        row("garbled",
            {"language=de\nscale=2\n", "", QByteArray("\x01\xff[[\nscale=2.5\n\x00\x02=\n", 18)},
            {},
            "C",
            "language=de scale=2.5",
            {"home/vertexa.conf: not a settings file"});
        row("bad values, the rest used",
            {"language=de\n", "", "language=klingon\nscale=5\nclass-code=a b\nread-aloud=1\ncolour=red\nscale=fit\n"},
            {},
            "C",
            "language=de scale=fit",
            {"home/vertexa.conf: class-code=a b is ignored; allowed: one word",
             "home/vertexa.conf: colour=red is ignored; allowed: one of the names",
             "home/vertexa.conf: language=klingon is ignored; allowed: one of de, en",
             "home/vertexa.conf: read-aloud=1 is ignored; allowed: true or false"});
    }
    void settingsFiles()
    {
        QFETCH(QByteArrayList, files);
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(QString, chosen);
        QFETCH(QStringList, warned);
        QTemporaryDir root;
        for (int i = 0; i < Folders.size(); ++i) {
            const QString path = root.filePath(Folders[i] + QStringLiteral("/vertexa.conf"));
            QFile file(path);
            QVERIFY(files[i] == Unreadable ? QDir().mkpath(path)
                                           : QDir().mkpath(root.filePath(Folders[i])) &&
                                                 (files[i].isEmpty() || (file.open(QIODevice::WriteOnly) &&
                                                                         file.write(files[i]) == files[i].size())));
        }
        QProcessEnvironment env;
        env.insert(QStringLiteral("LANG"), locale);
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"), root.filePath(Folders[0]) + u':' + root.filePath(Folders[1]));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(Folders[2]));
        const StartChoice choice = StartChoice::decide(QStringList{QStringLiteral("vertexa")} + arguments, env);
        QCOMPARE(described(choice.options), chosen);
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
        QVERIFY2(fitFor.contains(available.width()), "a display without an expected fit");
        QCOMPARE((ProgramScale{true, 1}.factorFor(available)), fitFor[available.width()]);
        QCOMPARE((ProgramScale{false, 2.5}.factorFor(available)), 2.5);
    }
};

QTEST_MAIN(TestStartChoice)
#include "tst_startchoice.moc"
