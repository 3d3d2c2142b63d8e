// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr QSize Display(1280, 1024);

// A tool's standard output, empty if it failed.
QString run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    return process.waitForFinished(20000) && process.exitCode() == 0
               ? QString::fromLocal8Bit(process.readAllStandardOutput())
               : QString();
}

// The program's first visible window whose title matches; empty if none comes in time,
// which no rectangle matches.
QString window(const QProcess &program, const QString &title)
{
    const QString pid = QString::number(program.processId());
    return run("xdotool", {"search", "--sync", "--all", "--onlyvisible", "--pid", pid, "--name", title})
        .section(u'\n', 0, 0);
}

// A click at a point of the window's client area, in twips.
void click(const QString &window, int x, int y)
{
    run("xdotool", {"mousemove", "--window", window, QString::number(x / 15), QString::number(y / 15), "click", "1"});
}

// The frame the window manager reports around a window (_NET_FRAME_EXTENTS: left, right, top, bottom).
QMargins frame(const QString &window)
{
    const QStringList e = run("xprop", {"-id", window, "_NET_FRAME_EXTENTS"}).section(u'=', 1).split(u',');
    return QMargins(e.value(0).toInt(), e.value(2).toInt(), e.value(1).toInt(), e.value(3).toInt());
}

// Empty when the window with its frame lies exactly where it should (half a
// pixel rounds up, as the program's twips do); otherwise both rectangles.
QString misplaced(const QString &window, const QRect &expected)
{
    const QString info = run("xwininfo", {"-id", window});
    const auto field = [&info](const char *name) {
        return QRegularExpression(name + QStringLiteral(":\\s*(-?\\d+)")).match(info).captured(1).toInt();
    };
    const QRect client(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"));
    const QRect outer = client.marginsAdded(frame(window));
    return outer == expected ? QString()
                             : QDebug::toString(outer) + QStringLiteral(", expected ") + QDebug::toString(expected);
}

QRect centred(QSize outer)
{
    return QRect(
        QPoint(qRound((Display.width() - outer.width()) / 2.0), qRound((Display.height() - outer.height()) / 2.0)),
        outer);
}

} // namespace

// The built executable on an X server of the test's own (Xvfb) under a real
// window manager, which draws a border and a caption bar around every window:
// the sizes and places the program sets are those of the whole window, frame
// included, and the Jotter stays above the page the pupil works on.
class TestWindowManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void framesAreCounted()
    {
        // Xvfb picks a free display and tells us which. Every process stops with its QProcess.
        QProcess server, manager, program;
        server.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"});
        while (!server.canReadLine() && server.waitForReadyRead(20000)) { }
        QVERIFY2(server.canReadLine(), "Xvfb did not start");
        qputenv("DISPLAY", ':' + server.readLine().trimmed());
        qunsetenv("QT_QPA_PLATFORM");
        // A window manager announces itself on the root window. On a machine
        // loaded to the full it may miss its start: it gets a second one.
        const auto announced = [] { return run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains(u'#'); };
        for (int attempt = 0; attempt < 2 && !announced(); ++attempt) {
            manager.kill();
            manager.waitForFinished();
            manager.start("openbox", {});
            QTest::qWaitFor(announced, 20000);
        }
        QVERIFY2(announced(), "openbox did not start");
        // The program, started from its own folder as a pupil's desktop starts it.
        program.setWorkingDirectory(QStringLiteral(VERTEXA_EXECUTABLE).section(u'/', 0, -2));
        program.start(QStringLiteral(VERTEXA_EXECUTABLE), {});
        QVERIFY(program.waitForStarted());

        // The title keeps its client size and is centred with its frame.
        const QString title = window(program, "^ $");
        QMargins edges;
        QTRY_VERIFY2(!(edges = frame(title)).isNull(), "the window manager draws no frame");
        QTRY_COMPARE(misplaced(title, centred(QSize(364, 438).grownBy(edges))), QString());

        // "OK": the menu, 12000 x 9000 twips outside, centred.
        click(title, 1320 + 1335 / 2, 6000 - 90 + 375 / 2);
        const QString menu = window(program, "^Vertexa Learning$");
        QTRY_COMPARE(misplaced(menu, centred(QSize(800, 600))), QString());

        // "The Angles of a Triangle", then "Problems Page": a lesson screen of the same size and place.
        click(menu, 360 + 5355 / 2, 2520 + 495 / 2);
        const QString proof = window(program, "^The Angles of a Triangle$");
        QTRY_COMPARE(misplaced(proof, centred(QSize(800, 600))), QString());
        click(proof, 4560 + 3315 / 2, 7920 + 495 / 2);
        QString page;
        QTRY_VERIFY(!(page = window(program, "^The Angles of a Triangle$")).isEmpty() && page != proof);
        QTRY_COMPARE(misplaced(page, centred(QSize(800, 600))), QString());

        // The Jotter at (150, 540) twips outside, its client area as defined;
        // each flip sets its outer size and keeps its place.
        click(page, 10050 + 1785 / 2, 7455 + 495 / 2);
        const QString jotter = window(program, "^Jotter$");
        QTRY_COMPARE(misplaced(jotter, QRect(QPoint(10, 36), QSize(661, 244).grownBy(edges))), QString());
        click(jotter, 4305 + 585 / 2, 2910 + 180 + 480 / 2);
        QTRY_COMPARE(misplaced(jotter, QRect(10, 36, 267, 800)), QString());
        click(jotter, 2885 + 60 + 930 / 2, 2280 + 480 / 2);
        QTRY_COMPARE(misplaced(jotter, QRect(10, 36, 667, 276)), QString());

        // A click on the page gives it the focus; the Jotter stays above it.
        click(page, 900, 3750);
        QTRY_COMPARE(run("xdotool", {"getactivewindow"}).trimmed(), page);
        QStringList stack;
        for (const QString &id : run("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}).section(u'#', 1).split(u','))
            stack.append(QString::number(id.trimmed().toUInt(nullptr, 16)));
        QVERIFY2(stack.contains(page) && stack.indexOf(jotter) > stack.indexOf(page), qPrintable(stack.join(u' ')));
    }

    // In a Wayland session with XWayland at hand the program goes through X,
    // where it can place its windows: its title screen is an X window.
    void waylandSessionUsesXWayland()
    {
        QTemporaryDir runtime;
        QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        QProcess weston, program;
        weston.setProcessChannelMode(QProcess::MergedChannels);
        weston.start("weston",
                     {"--backend=headless-backend.so", "--xwayland", "--socket=wayland-vertexa", "--idle-time=0"});
        // Weston names the X display it serves once it listens on it.
        QString log;
        const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
        QTRY_VERIFY_WITH_TIMEOUT((log += QString::fromLocal8Bit(weston.readAll())).contains(listening), 20000);
        qputenv("DISPLAY", listening.match(log).captured(1).toLocal8Bit());
        qputenv("WAYLAND_DISPLAY", "wayland-vertexa");
        qputenv("XDG_SESSION_TYPE", "wayland");
        qunsetenv("QT_QPA_PLATFORM");
        program.start(QStringLiteral(VERTEXA_EXECUTABLE), {});
        QVERIFY2(!window(program, "^ $").isEmpty(), "the title screen is no X window");
    }
};

QTEST_GUILESS_MAIN(TestWindowManager)
#include "tst_windowmanager.moc"
