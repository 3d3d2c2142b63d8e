// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
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
    void initTestCase()
    {
        for (const char *tool : {"Xvfb", "xdotool"})
            QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(), qPrintable(QStringLiteral("%1 is missing: make deps").arg(tool)));
        // Xvfb picks a free display and tells us which.
        m_server.start(QStringLiteral("Xvfb"), QStringList{"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
        QVERIFY(m_server.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(m_server.canReadLine(), 20000);
        m_env.insert(QStringLiteral("DISPLAY"), u':' + QString::fromLatin1(m_server.readLine()).trimmed());
        m_env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    }

    void cleanupTestCase()
    {
        m_server.terminate();
        m_server.waitForFinished();
    }

    void exitEndsTheProgram()
    {
        const QString executable = QStringLiteral(VERTEXA_EXECUTABLE);
        QProcess vertexa;
        vertexa.setProcessEnvironment(m_env);
        // Started from its own folder, as a pupil's desktop starts it.
        vertexa.setWorkingDirectory(QFileInfo(executable).absolutePath());
        vertexa.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        vertexa.start(executable, {});
        QVERIFY(vertexa.waitForStarted());

        // The title screen appears, captioned with one blank and nothing added.
        QString window;
        QTRY_VERIFY_WITH_TIMEOUT(!(window = xdotool({"search", "--onlyvisible", "--pid", QString::number(vertexa.processId())}).section(u'\n', 0, 0)).isEmpty(), 20000);
        QCOMPARE(xdotool({"getwindowname", window}), QStringLiteral(" \n"));

        // No window manager, so the outer size is the client size: 5460 x 6570 twips.
        const QString geometry = xdotool({"getwindowgeometry", window});
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Position: (\\d+),(\\d+).*Geometry: (\\d+)x(\\d+)"),
                                                             QRegularExpression::DotMatchesEverythingOption).match(geometry);
        QVERIFY2(m.hasMatch(), qPrintable(geometry));
        QCOMPARE(QSize(m.captured(3).toInt(), m.captured(4).toInt()), QSize(364, 438));
        QCOMPARE(QPoint(m.captured(1).toInt(), m.captured(2).toInt()), QPoint((1024 - 364) / 2, (768 - 438) / 2));

        // The middle of "Exit" (2760, 6000 inside a frame at 0, -90; 1335 x 375), in pixels.
        xdotool({"mousemove", "--window", window, QString::number((2760 + 1335 / 2) / 15), QString::number((6000 - 90 + 375 / 2) / 15), "click", "1"});
        QVERIFY2(vertexa.waitForFinished(10000), "Exit ends the program");
        QCOMPARE(vertexa.exitStatus(), QProcess::NormalExit);
        QCOMPARE(vertexa.exitCode(), 0);
    }

private:
    // The tool's output, empty if it failed.
    QString xdotool(const QStringList &arguments)
    {
        QProcess tool;
        tool.setProcessEnvironment(m_env);
        tool.start(QStringLiteral("xdotool"), arguments);
        return tool.waitForFinished(20000) && tool.exitCode() == 0 ? QString::fromLocal8Bit(tool.readAllStandardOutput()) : QString();
    }

    QProcess m_server;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
};

QTEST_GUILESS_MAIN(TestExecutable)
#include "tst_executable.moc"
