// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/vertexaapp.h"
#include "common/randomsource.h"
#include "controls/commandbutton.h"
#include "controls/label.h"
#include "pupil.h"

using namespace ScreenNames;

// From the title into every lesson screen and out again, round after round,
// to "Exit", with the program started as the executable starts it: by mouse,
// and every second round from the keyboard. Each step leads to the right
// screen alone, and every screen and Jotter goes when it is left: no round
// leaves a widget behind (LeakSanitizer checks the memory in the sanitizer
// build, where `make leaks` sets VERTEXA_ROUNDS to a thousand).
class TestRoundTrips : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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
                  {StellatedProblems, "cmdexit", Menu}},
                 i % 2);
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
    // One step of a pupil's way each: the screen, the control, the screen it
    // leads to alone (the Jotter beside its page), and where given the
    // control's caption. By key, Tab brings the focus to the control and
    // Enter (Space on a button) works it; the screen it opens then shows the
    // focus ring at once, which after a click it does not, and the repeats
    // the system sends while the key is held reach that screen, where
    // nothing acts on a repeat.
    static void walk(const QList<QStringList> &steps, bool byKey = false)
    {
        for (const QStringList &step : steps) {
            Screen *screen = Pupil::shown().value(step[0]);
            QWidget *control = screen ? screen->findChild<QWidget *>(step[1]) : nullptr;
            QVERIFY2(control, qPrintable(step.join(u':')));
            if (step.size() > 3)
                QCOMPARE(control->property("text").toString(), step[3]);
            const Qt::Key key = qobject_cast<Label *>(control) ? Qt::Key_Return : Qt::Key_Space;
            if (byKey) {
                control->setFocus(Qt::TabFocusReason);
                QTest::keyClick(control, key);
            } else {
                Pupil::drag(screen, {control->mapTo(screen, control->rect().center())}, Qt::LeftButton);
            }
            QTest::qWait(0); // what the event loop does between two steps
            QStringList names = Pupil::shown().keys();
            names.removeAll(step[2] == Jotter ? step[0] : QString());
            QVERIFY2(names.join(u' ') == step[2], qPrintable(step.join(u':') + " led to: " + names.join(u' ')));
            Screen *opened = Pupil::shown().value(step[2]);
            if (!opened || step[0] == Jotter)
                continue; // the program ended, or the Jotter went back to its page, shown already
            QVERIFY(QTest::qWaitForWindowActive(opened));
            QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == opened);
            QWidget *focus = QApplication::focusWidget();
            const auto *label = qobject_cast<const Label *>(focus);
            const auto *button = qobject_cast<const CommandButton *>(focus);
            if (!label && !button)
                continue; // a text box shows its cursor instead, and takes Enter as an answer
            const QString ring = step.join(u':') + (byKey ? " by key shows no focus ring" : " by click shows one");
            QVERIFY2((label ? label->showsFocusRing() : button->showsFocusRing()) == byKey, qPrintable(ring));
            const QImage before = opened->grab().toImage();
            for (int repeat = 0; byKey && repeat < 5; ++repeat) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
                QApplication::sendEvent(focus, &press);
            }
            const QString held = step.join(u':') + ", its key held down, went on";
            QVERIFY2(Pupil::shown().value(step[2]) == opened && opened->grab().toImage() == before, qPrintable(held));
        }
    }
};

QTEST_MAIN(TestRoundTrips)
#include "tst_roundtrips.moc"
