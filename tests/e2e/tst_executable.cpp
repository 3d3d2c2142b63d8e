// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

// The built program on an X server of the test's own: it opens its title
// screen centred, at the size its first picture gives it (found beside the
// executable; without it the title takes the lesson screens' size), with its
// own caption, and "Exit" ends it cleanly.
class TestExecutable : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exitEndsTheProgram()
    {
        for (const char *tool : {"Xvfb", "xdotool"})
            QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(),
                     qPrintable(QStringLiteral("%1 is missing: make deps").arg(tool)));
        // Xvfb picks a free display and tells us which.
        QProcess server, vertexa;
        server.start(QStringLiteral("Xvfb"),
                     QStringList{"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
        QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine(), 20000);
        // What this process starts goes to that display, not to the offscreen one.
        qputenv("DISPLAY", ':' + server.readLine().trimmed());
        qunsetenv("QT_QPA_PLATFORM");
        // The tool's output, empty if it failed.
        const auto xdotool = [](const QStringList &arguments) {
            QProcess tool;
            tool.start(QStringLiteral("xdotool"), arguments);
            return tool.waitForFinished(20000) && tool.exitCode() == 0
                       ? QString::fromLocal8Bit(tool.readAllStandardOutput())
                       : QString();
        };

        // Started from its own folder, as a pupil's desktop starts it.
        const QString executable = QStringLiteral(VERTEXA_EXECUTABLE);
        vertexa.setWorkingDirectory(QFileInfo(executable).absolutePath());
        vertexa.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        vertexa.start(executable, {});
        QVERIFY(vertexa.waitForStarted());

        // The title screen appears, captioned with one blank and nothing added,
        // centred at 5460 x 6570 twips (no window manager: the outer size is
        // the client size).
        const QString window =
            xdotool({"search", "--sync", "--onlyvisible", "--pid", QString::number(vertexa.processId())})
                .section(u'\n', 0, 0);
        QVERIFY2(!window.isEmpty(), "no window");
        QCOMPARE(xdotool({"getwindowname", window}), QStringLiteral(" \n"));
        QCOMPARE(xdotool({"getwindowgeometry", "--shell", window}),
                 QStringLiteral("WINDOW=%1\nX=%2\nY=%3\nWIDTH=364\nHEIGHT=438\nSCREEN=0\n")
                     .arg(window)
                     .arg((1024 - 364) / 2)
                     .arg((768 - 438) / 2));

        // The middle of "Exit" (2760, 6000 inside a frame at 0, -90; 1335 x 375), in pixels.
        xdotool({"mousemove",
                 "--window",
                 window,
                 QString::number((2760 + 1335 / 2) / 15),
                 QString::number((6000 - 90 + 375 / 2) / 15),
                 "click",
                 "1"});
        QVERIFY2(vertexa.waitForFinished(10000), "Exit ends the program");
        QCOMPARE(vertexa.exitStatus(), QProcess::NormalExit);
        QCOMPARE(vertexa.exitCode(), 0);
        server.terminate();
        server.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestExecutable)
#include "tst_executable.moc"
