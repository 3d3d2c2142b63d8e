// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/vertexaapp.h"
#include "common/randomsource.h"
#include "pupil.h"

using namespace ScreenNames;

// From the title into every lesson screen and out again, round after round,
// to "Exit", with the program started as the executable starts it. Each click
// leads to the right screen alone, and every screen and Jotter goes when it
// is left: no round leaves a widget behind (LeakSanitizer checks the memory in
// the sanitizer build, where `make leaks` sets VERTEXA_ROUNDS to a thousand).
class TestRoundTrips : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Pupil::prepare(); }

    void visitsLeaveNothingBehind()
    {
        ClockSeededRandom random([clock = 0.0]() mutable { return clock += 0.37; });
        VertexaApp vertexa(random, PictureFolder(Pupil::PictureRoot));
        vertexa.start();
        walk({{Title, "Command1", Menu, "OK"}});
        const qsizetype atMenu = QApplication::allWidgets().size();
        for (int i = 0; i < (qEnvironmentVariableIntValue("VERTEXA_ROUNDS") ?: 3) && !QTest::currentTestFailed(); ++i) {
            walk({{Menu, "Label2(0)", Proof},
                  {Proof, "Label2", TriangleProblems},
                  {TriangleProblems, "cmdjotter", Jotter},
                  {Jotter, "Command1", TriangleProblems},
                  {TriangleProblems, "cmdexit", Menu},
                  {Menu, "Label5(0)", Explorer},
                  {Explorer, "Label2(0)", StellatedProblems},
                  {StellatedProblems, "cmdjotter", Jotter},
                  {StellatedProblems, "cmdexit", Menu}});
            QCOMPARE(QApplication::allWidgets().size(), atMenu);
        }
        // Back to the title, whose "Cancel" leads to the menu as "OK" did, and out.
        walk({{Menu, "Command1", Title},
              {Title, "Command1", Menu, "Cancel"},
              {Menu, "Command1", Title},
              {Title, "Command2", {}, "Exit"}});
        QVERIFY(vertexa.isFinished());
    }

private:
    // One click of a pupil's way each: the screen, the control, the screen it
    // leads to alone, the Jotter beside its page, and where given the control's caption.
    static void walk(const QList<QStringList> &steps)
    {
        for (const QStringList &step : steps) {
            Screen *screen = Pupil::shown().value(step[0]);
            QWidget *control = screen ? screen->findChild<QWidget *>(step[1]) : nullptr;
            QVERIFY2(control, qPrintable(step.join(u':')));
            if (step.size() > 3)
                QCOMPARE(control->property("text").toString(), step[3]);
            Pupil::drag(screen, {control->mapTo(screen, control->rect().center())}, Qt::LeftButton);
            QTest::qWait(0); // what the event loop does between two clicks
            QStringList names = Pupil::shown().keys();
            names.removeAll(step[2] == Jotter ? step[0] : QString());
            QVERIFY2(names.join(u' ') == step[2], qPrintable(step.join(u':') + " led to: " + names.join(u' ')));
        }
    }
};

QTEST_MAIN(TestRoundTrips)
#include "tst_roundtrips.moc"
