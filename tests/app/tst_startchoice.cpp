// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/startchoice.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

// What a run is told by its command line, the settings files and the
// environment, and what it does with a bad one.
class TestStartChoice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void commandLine_data();
    void commandLine();
    void precedence_data();
    void precedence();
    void badFiles_data();
    void badFiles();
    void programExits_data();
    void programExits();
    void scaleFitsThePrimaryMonitor();
};

namespace {

// The options a run is left with, in one line a table can hold.
QString described(const StartOptions &o)
{
    QStringList said;
    said << QStringLiteral("language=") + o.language.value_or(QStringLiteral("-"));
    if (o.classCode)
        said << QStringLiteral("class-code=") + *o.classCode;
    if (o.scale)
        said << QStringLiteral("scale=") + (o.scale->fit ? QStringLiteral("fit") : QString::number(o.scale->factor));
    if (o.readAloud)
        said << QStringLiteral("read-aloud=") + QLatin1String(*o.readAloud ? "true" : "false");
    return said.join(u' ');
}

// Settings folders of the test's own: "sys" and "sys2" for the system's, "home" for the user's.
struct Folders
{
    QTemporaryDir root;
    QProcessEnvironment env;

    explicit Folders(const QString &language = QStringLiteral("C"))
    {
        env.insert(QStringLiteral("LANG"), language);
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"), root.filePath("sys") + u':' + root.filePath("sys2"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath("home"));
    }
    QString write(const QString &folder, const QByteArray &content)
    {
        const QString path = root.filePath(folder + QStringLiteral("/vertexa.conf"));
        QDir().mkpath(root.filePath(folder));
        QFile file(path);
        if (!content.isEmpty() && file.open(QIODevice::WriteOnly))
            file.write(content);
        return path;
    }
    StartChoice decide(const QStringList &arguments) const
    {
        return StartChoice::decide(QStringList{QStringLiteral("vertexa")} + arguments, env);
    }
};

} // namespace

void TestStartChoice::commandLine_data()
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
    row("every language the program has", {"--language", "pt_BR"}, -1, "language=pt_BR");
    row("largest scale", {"--scale", "3"}, -1, "language=en scale=3");
    row("help", {"--help"}, 0, "--class-code <word>");
    row("version", {"--version"}, 0, "1.0.0");
    row("unknown option", {"--colour", "red"}, 2, "unknown option 'colour'; the options are");
    row("no value", {"--scale"}, 2, "Missing value after '--scale'");
    row("argument", {"lesson"}, 2, "unexpected argument 'lesson'");
    row("unknown language", {"--language", "sv"}, 2, "--language 'sv' is not allowed; use one of de, en, es");
    row("scale off its steps", {"--scale", "1.3"}, 2, "--scale '1.3' is not allowed; use a number from 1 to 3");
    row("scale too large", {"--scale", "3.25"}, 2, "--scale '3.25'");
    row("scale too small", {"--scale", "0.75"}, 2, "--scale '0.75'");
    row("two words", {"--class-code", "7 b"}, 2, "--class-code '7 b' is not allowed; use one word");
    row("blank code", {"--class-code", " "}, 2, "--class-code ' '");
    row("flag with a value", {"--read-aloud=yes"}, 2, "Unexpected value after '--read-aloud'");
}

void TestStartChoice::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    const StartChoice choice = Folders().decide(arguments);
    QCOMPARE(choice.exitCode.value_or(-1), exitCode);
    if (exitCode < 0)
        QCOMPARE(described(choice.options), said);
    else
        QVERIFY2((exitCode ? choice.warnings.join(u'\n') : choice.output).contains(said), qPrintable(said));
    QCOMPARE(choice.warnings.size(), exitCode == 2 ? 1 : 0);
}

void TestStartChoice::precedence_data()
{
    QTest::addColumn<QByteArray>("system");  // the first folder of XDG_CONFIG_DIRS
    QTest::addColumn<QByteArray>("system2"); // the second
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("environment alone") << QByteArray() << QByteArray() << QByteArray() << QStringList() << "fr_FR.UTF-8"
                                       << "language=fr";
    QTest::newRow("system over environment")
        << QByteArray("language=de\nclass-code=Süd-3\nscale=fit\nread-aloud=true\n") << QByteArray() << QByteArray()
        << QStringList() << "fr_FR.UTF-8"
        << "language=de class-code=Süd-3 scale=fit read-aloud=true";
    QTest::newRow("first system folder over the second")
        << QByteArray("scale=2\n") << QByteArray("scale=1.5\nlanguage=it\n") << QByteArray() << QStringList() << "C"
        << "language=it scale=2";
    QTest::newRow("user over system") << QByteArray("language=de\nscale=2\n") << QByteArray()
                                      << QByteArray("[General]\nlanguage=nl\nread-aloud=false\n") << QStringList()
                                      << "C"
                                      << "language=nl scale=2 read-aloud=false";
    QTest::newRow("command line over all")
        << QByteArray("language=de\nclass-code=a\n") << QByteArray() << QByteArray("language=nl\nclass-code=b\n")
        << QStringList{"--class-code", "c", "--language", "uk"} << "fr_FR.UTF-8"
        << "language=uk class-code=c";
}

void TestStartChoice::precedence()
{
    QFETCH(QByteArray, system);
    QFETCH(QByteArray, system2);
    QFETCH(QByteArray, user);
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    QFETCH(QString, chosen);
    Folders folders(locale);
    folders.write(QStringLiteral("sys"), system);
    folders.write(QStringLiteral("sys2"), system2);
    folders.write(QStringLiteral("home"), user);
    const StartChoice choice = folders.decide(arguments);
    QCOMPARE(described(choice.options), chosen);
    QCOMPARE(choice.warnings, QStringList());
}

void TestStartChoice::badFiles_data()
{
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QStringList>("warned");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("unreadable") << QByteArray() << QStringList{"home/vertexa.conf: cannot be read"}
                                << "language=de scale=2";
    QTest::newRow("garbled") << QByteArray("\x01\xff[[\nscale=2.5\n\x00\x02=\n", 18)
                             << QStringList{"home/vertexa.conf: not a settings file"} << "language=de scale=2.5";
    QTest::newRow("bad values, the rest used")
        << QByteArray("language=klingon\nscale=5\nclass-code=a b\nread-aloud=1\ncolour=red\nscale=fit\nlanguage=es\n")
        << QStringList{"home/vertexa.conf: class-code=a b is ignored; allowed: one word",
                       "home/vertexa.conf: colour=red is ignored; allowed: one of the names",
                       "home/vertexa.conf: read-aloud=1 is ignored; allowed: true or false"}
        << "language=es scale=fit";
}

void TestStartChoice::badFiles()
{
    QFETCH(QByteArray, user);
    QFETCH(QStringList, warned);
    QFETCH(QString, chosen);
    Folders folders;
    folders.write(QStringLiteral("sys"), "language=de\nscale=2\n");
    const QString path = folders.write(QStringLiteral("home"), user);
    if (user.isEmpty()) // a folder where the file should be: unreadable even to root
        QVERIFY(QDir().mkpath(path));
    const StartChoice choice = folders.decide({});
    QCOMPARE(described(choice.options), chosen);
    QCOMPARE(choice.warnings.size(), warned.size());
    for (int i = 0; i < warned.size(); ++i)
        QVERIFY2(choice.warnings[i].contains(warned[i]), qPrintable(choice.warnings[i]));
}

void TestStartChoice::programExits_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: ";
    QTest::newRow("Qt's help too") << QStringList{"--help-all"} << 0 << "-platform";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "vertexa 1.0.0\n";
    QTest::newRow("unknown option") << QStringList{"--colour"} << 2 << "vertexa: unknown option 'colour'";
    QTest::newRow("bad value, Qt's option kept")
        << QStringList{"-platform", "offscreen", "--scale", "9"} << 2 << "vertexa: --scale '9' is not allowed";
}

// The executable itself: what it prints where, its exit status, and that it
// ends at once, without a window.
void TestStartChoice::programExits()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QTemporaryDir runtime; // where Qt would otherwise say it made one
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VERTEXA_EXECUTABLE), arguments);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitCode(), exitCode);
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2((exitCode ? err : out).contains(said), qPrintable(out + err));
    QCOMPARE((exitCode ? out : err).trimmed(), QString());
}

// The largest step of 0.25 at which the 800 x 600 lesson screen fits the
// primary monitor's available area; each display is a run of its own.
void TestStartChoice::scaleFitsThePrimaryMonitor()
{
    const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
    const QMap<int, double> fitFor{{800, 1}, {1024, 1.25}, {1920, 1.75}, {3840, 3}};
    QVERIFY2(fitFor.contains(available.width()), "a display without an expected fit");
    QCOMPARE((ProgramScale{true, 1}.factorFor(available)), fitFor[available.width()]);
    QCOMPARE((ProgramScale{false, 2.5}.factorFor(available)), 2.5);
}

QTEST_MAIN(TestStartChoice)
#include "tst_startchoice.moc"
