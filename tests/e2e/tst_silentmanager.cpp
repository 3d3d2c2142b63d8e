// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The program on an X server of the test's own whose root window claims a
// window manager that frames windows on request, when there is none (it
// died and left its properties) or when it never answers: the screens wait
// for no answer that cannot come, and for a silent one only once.
#include "desktop/windowframe.h"
#include "screens/screen.h"
#include "support/claimedmanager.h"
#include "support/datarow.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QProcess>

class TestSilentManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void waitsOnlyForAnAnswerThatCanCome_data()
    {
        QTest::addColumn<bool>("managerAlive"); // its window there, naming itself
        QTest::addColumn<int>("unanswered");    // requests that went unanswered over three screens
        addDataRow("manager gone, its list stale", false, 0);
        addDataRow("manager there, never answering", true, 1);
    }
    void waitsOnlyForAnAnswerThatCanCome()
    {
        QFETCH(bool, managerAlive);
        // A window id nobody holds stands for the manager that has gone.
        ClaimedManager::claim(managerAlive ? ClaimedManager::makeCheckWindow() : xcb_window_t(0x3fffff));
        const int before = WindowFrame::instance().unansweredRequests();
        TestProgram program;
        for (const QString &name : {ScreenNames::Menu, ScreenNames::Proof, ScreenNames::TriangleProblems}) {
            program.screens().show(name);
            QVERIFY(QTest::qWaitForWindowExposed(program.screen(name)));
        }
        QTEST(WindowFrame::instance().unansweredRequests() - before, "unanswered");
    }
};

// The X server starts before the application, which connects to it, and
// ends after it, its connection and the thread that reads it are gone.
int main(int argc, char **argv)
{
    QProcess server;
    server.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
    while (!server.canReadLine() && server.waitForReadyRead(20000)) { }
    qputenv("DISPLAY", ':' + server.readLine().trimmed()); // none: the application says it found no display
    qputenv("QT_QPA_PLATFORM", "xcb");
    const int failed = [&] {
        QApplication app(argc, argv);
        TestSilentManager test;
        return QTest::qExec(&test, argc, argv);
    }();
    server.terminate();
    server.waitForFinished();
    return failed;
}

#include "tst_silentmanager.moc"
