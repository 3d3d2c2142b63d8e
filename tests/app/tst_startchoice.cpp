// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/startchoice.h"
#include "support/datarow.h"

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
    // Through the executable itself: what it prints where, its exit status,
    // and that it ends at once, without a window.
    void commandLineEndsTheRun_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said"); // a piece of what it printed
        addDataRow("help", QStringList{"--help"}, 0, "--class-code <word>");
        addDataRow("version", QStringList{"--version"}, 0, "vertexa 1.0.0\n");
        addDataRow("unknown option", QStringList{"--colour", "red"}, 2, "vertexa: unknown option 'colour'");
        addDataRow("argument", QStringList{"lesson"}, 2, "unexpected argument 'lesson'");
        addDataRow("unknown language", QStringList{"--language", "sv"}, 2, "--language 'sv' is not allowed; use");
        addDataRow("scale off its steps", QStringList{"--scale", "1.3"}, 2, "--scale '1.3' is not allowed; use");
        addDataRow("two words", QStringList{"--class-code", "7 b"}, 2, "--class-code '7 b' is not allowed");
    }
    void commandLineEndsTheRun()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        // No settings files, and Qt's runtime folder made here, not with a warning.
        QTemporaryDir empty;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
            env.insert(QLatin1String(name), empty.path());
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
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
        if (exitCode) // one line
            QCOMPARE(err.count(u'\n'), 1);
    }

    // Real files in folders of the test's own (none: no file), under a French desktop.
    void choice_data()
    {
        QTest::addColumn<QByteArrayList>("files"); // the first system folder's, the second's, the user's
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("warned"); // one piece of each line, in order
        const QByteArrayList noFiles;
        const QStringList none;
        QTest::newRow("the desktop's language alone") << noFiles << none << "language=fr" << none;
        QTest::newRow("every option, with one dash and =")
            << noFiles << QStringList{"--language", "de", "-class-code= Klasse-5ä ", "-scale=fit", "--read-aloud"}
            << "language=de class-code=Klasse-5ä scale=fit read-aloud=true" << none;
        QTest::newRow("largest scale") << noFiles << QStringList{"--scale", "3"} << "language=fr scale=3" << none;
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
            const QString path = root.filePath(Folders[i] + QStringLiteral("/vertexa.conf"));
            QFile file(path);
            QVERIFY(QDir().mkpath(files[i] == Unreadable ? path : root.filePath(Folders[i])));
            if (files[i] != Unreadable && !files[i].isEmpty())
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(files[i]) == files[i].size());
        }
        QProcessEnvironment env;
        env.insert(QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8"));
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"), root.filePath(Folders[0]) + u':' + root.filePath(Folders[1]));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(Folders[2]));
        const StartChoice choice = StartChoice::decide(QStringList{QStringLiteral("vertexa")} + arguments, env);
        QCOMPARE(choice.exitCode, std::nullopt);
        QTEST(described(choice.options), "chosen");
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
