// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "xsession.h"

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
        XSession x(QSize(1024, 768));
        QVERIFY2(x.fault().isEmpty(), qPrintable(x.fault()));
        QProcess &vertexa = x.startProgram();
        QVERIFY(vertexa.state() == QProcess::Running);

        // The title screen appears, captioned with one blank and nothing added,
        // centred at 5460 x 6570 twips (no window manager: the outer size is
        // the client size).
        const QString window = x.window(QStringLiteral("^ $"));
        QVERIFY2(!window.isEmpty(), "no window");
        QCOMPARE(XSession::xdotool({"getwindowgeometry", "--shell", window}),
                 QStringLiteral("WINDOW=%1\nX=%2\nY=%3\nWIDTH=364\nHEIGHT=438\nSCREEN=0\n")
                     .arg(window)
                     .arg((1024 - 364) / 2)
                     .arg((768 - 438) / 2));

        // The middle of "Exit" (2760, 6000 inside a frame at 0, -90; 1335 x 375), in pixels.
        XSession::click(window, QPoint((2760 + 1335 / 2) / 15, (6000 - 90 + 375 / 2) / 15));
        QVERIFY2(vertexa.waitForFinished(10000), "Exit ends the program");
        QCOMPARE(vertexa.exitStatus(), QProcess::NormalExit);
        QCOMPARE(vertexa.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestExecutable)
#include "tst_executable.moc"
