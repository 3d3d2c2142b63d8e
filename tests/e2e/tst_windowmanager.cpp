// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "xsession.h"

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr QSize Display(1280, 1024);

QRect centred(QSize outer)
{
    return QRect(QPoint((Display.width() - outer.width()) / 2, (Display.height() - outer.height()) / 2), outer);
}

// Empty when every edge of the window's outer rectangle lies within a pixel
// of where it should; otherwise both rectangles.
QString misplaced(const QString &window, const QRect &expected)
{
    const QRect outer = XSession::outerRect(window);
    const bool near = qAbs(outer.left() - expected.left()) <= 1 && qAbs(outer.top() - expected.top()) <= 1 &&
                      qAbs(outer.right() - expected.right()) <= 1 && qAbs(outer.bottom() - expected.bottom()) <= 1;
    return near ? QString()
                : QStringLiteral("outer %1,%2 %3x%4, expected %5,%6 %7x%8")
                      .arg(outer.x())
                      .arg(outer.y())
                      .arg(outer.width())
                      .arg(outer.height())
                      .arg(expected.x())
                      .arg(expected.y())
                      .arg(expected.width())
                      .arg(expected.height());
}

} // namespace

// The built program under a real window manager, which draws a border and a
// caption bar around every window: the sizes and places the program sets are
// those of the whole window, frame included, and the Jotter stays above the
// page the pupil works on.
class TestWindowManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void framesAreCounted()
    {
        XSession x(Display);
        QVERIFY2(x.fault().isEmpty(), qPrintable(x.fault()));
        QVERIFY2(x.startWindowManager(QStringLiteral("openbox")), "openbox did not start: make deps");
        x.startProgram();

        // The title keeps its client size and is centred with its frame.
        const QString title = x.window(QStringLiteral("^ $"));
        QVERIFY2(!title.isEmpty(), "no title screen");
        const QRect titleOuter = XSession::outerRect(title);
        QVERIFY2(titleOuter.height() > 438, "the window manager draws no frame");
        const QSize frame = titleOuter.size() - QSize(364, 438);
        QTRY_COMPARE(misplaced(title, centred(QSize(364, 438) + frame)), QString());

        // "OK": the menu, 12000 x 9000 twips outside, centred.
        XSession::click(title, QPoint((1320 + 1335 / 2) / 15, (6000 - 90 + 375 / 2) / 15));
        const QString menu = x.window(QStringLiteral("^Vertexa Learning$"));
        QVERIFY2(!menu.isEmpty(), "no menu");
        QTRY_COMPARE(misplaced(menu, centred(QSize(800, 600))), QString());

        // "The Angles of a Triangle", then "Problems Page": a lesson screen of the same size and place.
        XSession::click(menu, QPoint((360 + 5355 / 2) / 15, (2520 + 495 / 2) / 15));
        const QString proof = x.window(QStringLiteral("^The Angles of a Triangle$"));
        QVERIFY2(!proof.isEmpty(), "no proof");
        QTRY_COMPARE(misplaced(proof, centred(QSize(800, 600))), QString());
        XSession::click(proof, QPoint((4560 + 3315 / 2) / 15, (7920 + 495 / 2) / 15));
        QString page;
        QTRY_VERIFY(!(page = x.window(QStringLiteral("^The Angles of a Triangle$"))).isEmpty() && page != proof);
        QTRY_COMPARE(misplaced(page, centred(QSize(800, 600))), QString());

        // The Jotter at (150, 540) twips outside, its client area as defined;
        // each flip sets its outer size and keeps its place.
        XSession::click(page, QPoint((10050 + 1785 / 2) / 15, (7455 + 495 / 2) / 15));
        const QString jotter = x.window(QStringLiteral("^Jotter$"));
        QVERIFY2(!jotter.isEmpty(), "no Jotter");
        QTRY_COMPARE(misplaced(jotter, QRect(QPoint(10, 36), QSize(661, 244) + frame)), QString());
        XSession::click(jotter, QPoint((4305 + 585 / 2) / 15, (2910 + 180 + 480 / 2) / 15));
        QTRY_COMPARE(misplaced(jotter, QRect(10, 36, 4000 / 15, 12000 / 15)), QString());
        XSession::click(jotter, QPoint((2885 + 60 + 930 / 2) / 15, (2280 + 480 / 2) / 15));
        QTRY_COMPARE(misplaced(jotter, QRect(10, 36, 10005 / 15, 4140 / 15)), QString());

        // A click on the page gives it the focus; the Jotter stays above it.
        XSession::click(page, QPoint(60, 250));
        QTRY_COMPARE(XSession::xdotool({"getactivewindow"}).trimmed(), page);
        const QStringList stack = XSession::stacking();
        QVERIFY2(stack.contains(page) && stack.indexOf(jotter) > stack.indexOf(page), qPrintable(stack.join(u' ')));
    }

    // In a Wayland session with XWayland the program goes through X, where
    // it can place its windows: its title screen is an X window.
    void waylandSessionUsesXWayland()
    {
        for (const char *tool : {"weston", "Xwayland", "xdotool"})
            QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(),
                     qPrintable(QStringLiteral("%1 is missing: make deps").arg(tool)));
        QTemporaryDir runtime;
        QVERIFY(runtime.isValid());
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        QProcess weston, vertexa;
        weston.setProcessChannelMode(QProcess::MergedChannels);
        weston.start(QStringLiteral("weston"),
                     {"--backend=headless-backend.so", "--xwayland", "--socket=wayland-vertexa", "--idle-time=0"});
        // Weston names the X display it serves once it listens on it.
        QString log;
        const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
        QTRY_VERIFY_WITH_TIMEOUT((log += QString::fromLocal8Bit(weston.readAll())).contains(listening), 20000);
        qputenv("DISPLAY", listening.match(log).captured(1).toLocal8Bit());
        qputenv("WAYLAND_DISPLAY", "wayland-vertexa");
        qputenv("XDG_SESSION_TYPE", "wayland");
        qunsetenv("QT_QPA_PLATFORM");

        XSession::startProgram(vertexa);
        const QString title = XSession::xdotool({"search",
                                                 "--sync",
                                                 "--all",
                                                 "--onlyvisible",
                                                 "--pid",
                                                 QString::number(vertexa.processId()),
                                                 "--name",
                                                 "^ $"});
        vertexa.kill();
        vertexa.waitForFinished();
        weston.terminate();
        weston.waitForFinished();
        QVERIFY2(!title.isEmpty(), "the title screen is no X window");
    }
};

QTEST_GUILESS_MAIN(TestWindowManager)
#include "tst_windowmanager.moc"
