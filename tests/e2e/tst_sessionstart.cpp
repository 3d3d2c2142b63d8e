// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The built executable in sessions that start oddly: it opens its window
// wherever a display answers, and says plainly when none does.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int Patience = 20000;

// The environment of a Wayland session whose compositor is gone, with the
// given X display; nothing of the test's own platform choice.
QProcessEnvironment deadWaylandSession(const QString &display, const QTemporaryDir &runtime)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.insert("XDG_SESSION_TYPE", "wayland");
    environment.insert("WAYLAND_DISPLAY", "wayland-gone");
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("DISPLAY", display);
    return environment;
}

// A display number no X server of this machine answers on.
QString silentDisplay()
{
    for (int n = 90; n < 200; ++n) {
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) &&
            !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            return QStringLiteral(":%1").arg(n);
    }
    return {};
}

} // namespace

class TestSessionStart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void xServerByAbstractSocketOnly()
    {
        // Xvfb listens on the socket file and on the abstract socket; the file
        // goes, as in some containers and after a /tmp cleaner.
        QProcess server, program;
        server.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
        while (!server.canReadLine() && server.waitForReadyRead(Patience)) { }
        QVERIFY2(server.canReadLine(), "Xvfb did not start");
        const QString number = QString::fromLatin1(server.readLine().trimmed());
        QVERIFY(QFile::remove("/tmp/.X11-unix/X" + number));
        QTemporaryDir runtime;
        program.setProcessEnvironment(deadWaylandSession(':' + number, runtime));
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.setWorkingDirectory(QStringLiteral(VERTEXA_EXECUTABLE).section(u'/', 0, -2));
        program.start(QStringLiteral(VERTEXA_EXECUTABLE), {});
        QVERIFY(program.waitForStarted());

        // Its title screen comes up on that X server.
        QProcess search;
        QProcessEnvironment onServer = QProcessEnvironment::systemEnvironment();
        onServer.insert("DISPLAY", ':' + number);
        search.setProcessEnvironment(onServer);
        search.start("xdotool", {"search", "--sync", "--onlyvisible", "--pid", QString::number(program.processId())});
        QVERIFY2(search.waitForFinished(Patience) && search.exitCode() == 0, "no window on the X server");
        QVERIFY2(program.state() == QProcess::Running, "the program ended");
        program.terminate();
        QVERIFY(program.waitForFinished(Patience));
    }

    void noDisplayAnswers()
    {
        const QString display = silentDisplay();
        QVERIFY(!display.isEmpty());
        QTemporaryDir runtime;
        QProcess program;
        program.setProcessEnvironment(deadWaylandSession(display, runtime));
        program.start(QStringLiteral(VERTEXA_EXECUTABLE), {});
        QVERIFY(program.waitForFinished(Patience));
        // One plain line, a failure status, no abort.
        const QString said = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), EXIT_FAILURE);
        QCOMPARE(said.count(u'\n'), 1);
        QVERIFY2(said.contains(QStringLiteral("X display \"%1\"").arg(display)) && said.contains("wayland-gone"),
                 qPrintable(said));
        // The version needs no display.
        program.start(QStringLiteral(VERTEXA_EXECUTABLE), {QStringLiteral("--version")});
        QVERIFY(program.waitForFinished(Patience));
        QCOMPARE(program.exitCode(), EXIT_SUCCESS);
        QVERIFY(program.readAllStandardOutput().startsWith("vertexa "));
        QCOMPARE(program.readAllStandardError(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestSessionStart)
#include "tst_sessionstart.moc"
