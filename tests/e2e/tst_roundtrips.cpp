// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/vertexaapp.h"
#include "common/randomsource.h"
#include "pupil.h"

using namespace ScreenNames;

// One click of a pupil's way: the screen, the control (with its index in a
// control array) and the screen it leads to alone, the Jotter beside its page.
struct Step
{
    QString from, control, to;
    int index = NoIndex;
};

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
        VertexaApp vertexa(random, PictureFolder(Pupil::pictureRoot()));
        vertexa.start();
        walk({{Title, "Command1", Menu}});
        const int rounds = qEnvironmentVariableIntValue("VERTEXA_ROUNDS") ?: 3;
        qsizetype afterFirst = 0;
        for (int i = 0; i < rounds && !QTest::currentTestFailed(); ++i) {
            walk({{Menu, "Label2", Proof, 0},
                  {Proof, "cmdexit", Menu},
                  {Menu, "Label2", Proof, 0},
                  {Proof, "Label2", TriangleProblems},
                  {TriangleProblems, "cmdjotter", Jotter},
                  {Jotter, "Command1", TriangleProblems},
                  {TriangleProblems, "cmdexit", Menu},
                  {Menu, "Label5", Explorer, 0},
                  {Explorer, "cmdexit", Menu},
                  {Menu, "Label5", Explorer, 0},
                  {Explorer, "Label2", StellatedProblems, 0},
                  {StellatedProblems, "cmdjotter", Jotter},
                  {StellatedProblems, "cmdexit", Menu}});
            const qsizetype widgets = QApplication::allWidgets().size();
            afterFirst = i == 0 ? widgets : afterFirst;
            QCOMPARE(widgets, afterFirst);
        }
        // Back to the title, whose "Cancel" leads to the menu as "OK" did, and out.
        walk(
            {{Menu, "Command1", Title}, {Title, "Command1", Menu}, {Menu, "Command1", Title}, {Title, "Command2", {}}});
        QVERIFY(vertexa.isFinished());
    }

private:
    static void walk(const QList<Step> &steps)
    {
        for (const Step &step : steps) {
            QWidget *control = nullptr;
            for (Screen *screen : Pupil::visibleScreens())
                control =
                    screen->screenName() == step.from ? screen->control<QWidget>(step.control, step.index) : control;
            QVERIFY2(control, qPrintable(step.from + u':' + step.control));
            Pupil::click(control);
            // What the event loop does between two clicks.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QStringList names;
            for (Screen *shown : Pupil::visibleScreens())
                names.append(shown->screenName());
            names.removeAll(step.to == Jotter ? step.from : QString());
            QVERIFY2(names.join(u' ') == step.to,
                     qPrintable(step.from + u':' + step.control + " led to: " + names.join(u' ')));
        }
    }
};

QTEST_MAIN(TestRoundTrips)
#include "tst_roundtrips.moc"
