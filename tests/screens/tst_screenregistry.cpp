// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/commandbutton.h"
#include "screens/label.h"
#include "screens/screen.h"
#include "support/testprogram.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace ScreenNames;

namespace {

// Presses "<screen>.<control>", the control by the name the program gives it
// ("Label2(3)" for element 3 of an array), through its signal: a greyed
// label still reaches its handler, which must ignore it. "<screen>.close"
// closes the window as its frame's close button would.
bool act(TestProgram &t, const QString &step)
{
    Screen *screen = t.screens().loaded(step.section(u'.', 0, 0));
    QObject *control = screen ? screen->findChild<QObject *>(step.section(u'.', 1)) : nullptr;
    if (screen && step.endsWith(u".close"))
        screen->close();
    else if (auto *button = qobject_cast<CommandButton *>(control))
        button->click();
    else if (auto *label = qobject_cast<Label *>(control))
        Q_EMIT label->clicked();
    else
        return false;
    return true;
}

} // namespace

class TestScreenRegistry : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void transitions_data()
    {
        QTest::addColumn<QStringList>("from"); // shown in this order
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("to"); // what is loaded, and shown, after
        QTest::newRow("title Exit ends the program") << QStringList{Title} << "Titlefrm.Command2" << QStringList{};
        QTest::newRow("title OK") << QStringList{Title} << "Titlefrm.Command1" << QStringList{Menu};
        QTest::newRow("menu exit") << QStringList{Menu} << "intro0.Command1" << QStringList{Title};
        QTest::newRow("first topic") << QStringList{Menu} << "intro0.Label2(0)" << QStringList{Proof};
        QTest::newRow("second topic") << QStringList{Menu} << "intro0.Label5(0)" << QStringList{Explorer};
        QTest::newRow("greyed left entry") << QStringList{Menu} << "intro0.Label2(3)" << QStringList{Menu};
        QTest::newRow("greyed right entry") << QStringList{Menu} << "intro0.Label5(5)" << QStringList{Menu};
        QTest::newRow("proof to problems") << QStringList{Proof} << "triproof.Label2" << QStringList{TriangleProblems};
        QTest::newRow("proof exit") << QStringList{Proof} << "triproof.cmdexit" << QStringList{Menu};
        QTest::newRow("explorer to problems")
            << QStringList{Explorer} << "star2.Label2(0)" << QStringList{StellatedProblems};
        QTest::newRow("explorer exit") << QStringList{Explorer} << "star2.cmdexit" << QStringList{Menu};
        QTest::newRow("triangle jotter") << QStringList{TriangleProblems} << "angtri.cmdjotter"
                                         << QStringList{TriangleProblems, Jotter};
        QTest::newRow("jotter button again: the same pad")
            << QStringList{TriangleProblems, Jotter} << "angtri.cmdjotter" << QStringList{TriangleProblems, Jotter};
        QTest::newRow("triangle exit closes the jotter")
            << QStringList{TriangleProblems, Jotter} << "angtri.cmdexit" << QStringList{Menu};
        QTest::newRow("stellated jotter")
            << QStringList{StellatedProblems} << "star.cmdjotter" << QStringList{StellatedProblems, Jotter};
        QTest::newRow("stellated exit closes the jotter")
            << QStringList{StellatedProblems, Jotter} << "star.cmdexit" << QStringList{Menu};
        QTest::newRow("jotter exit, wide")
            << QStringList{StellatedProblems, Jotter} << "notepad.Command1" << QStringList{StellatedProblems};
        QTest::newRow("closing the page leaves the pad")
            << QStringList{StellatedProblems, Jotter} << "star.close" << QStringList{Jotter};
        QTest::newRow("closing the last window ends the program")
            << QStringList{Jotter} << "notepad.close" << QStringList{};
    }
    void transitions()
    {
        QFETCH(QStringList, from);
        QFETCH(QString, action);
        QFETCH(QStringList, to);
        TestProgram t;
        QList<std::pair<QString, QPointer<Screen>>> before;
        for (const QString &name : std::as_const(from)) {
            t.screens().show(name);
            before.append({name, t.screens().loaded(name)});
        }
        QSignalSpy last(&t.screens(), &ScreenRegistry::lastScreenUnloaded);
        QVERIFY2(act(t, action), qPrintable(action));
        to.sort();
        QCOMPARE(t.screens().loadedNames(), to);
        for (const QString &name : std::as_const(to))
            QVERIFY2(t.screens().loaded(name)->isVisible(), qPrintable(name));
        // A screen that stays is the same window. One left behind is hidden
        // and its timers stopped at once, but deleted only later, never under
        // the feet of the running handler.
        for (const auto &[name, screen] : std::as_const(before)) {
            const bool stays = to.contains(name);
            QVERIFY(screen);
            QCOMPARE(t.screens().loaded(name), stays ? screen.data() : nullptr);
            QCOMPARE(screen->isVisible(), stays);
            for (const QTimer *timer : screen->findChildren<QTimer *>())
                QVERIFY(stays || !timer->isActive());
        }
        TestProgram::settle();
        for (const auto &[name, screen] : std::as_const(before))
            QCOMPARE(screen.isNull(), !to.contains(name));
        // Ended by Exit, or once, when its last window closed; after Exit nothing comes back.
        QCOMPARE(t.screens().hasEnded() || last.count() == 1, to.isEmpty());
        if (t.screens().hasEnded()) {
            t.screens().show(Menu);
            QVERIFY(t.screens().loadedNames().isEmpty());
        }
    }

    void returnToTitleRecreatesItWithCancel()
    {
        TestProgram t;
        t.screens().show(Title);
        QCOMPARE(t.screens().loaded(Title)->control<CommandButton>("Command1")->text(), QStringLiteral("OK"));
        QVERIFY(act(t, QStringLiteral("Titlefrm.Command1")));
        TestProgram::settle();
        t.context().values().frameno = 9;
        QVERIFY(act(t, QStringLiteral("intro0.Command1")));
        Screen *title = t.screens().loaded(Title);
        QVERIFY(title && title->isVisible());
        // Its load ran again, so the animation starts over, and then the caption changed.
        QCOMPARE(std::tuple(title->control<CommandButton>("Command1")->text(),
                            t.context().values().frameno,
                            title->control<QTimer>("Timer1")->isActive()),
                 std::tuple(QStringLiteral("Cancel"), qint16(0), true));
    }

    void referringToAnUnloadedScreenLoadsItHidden()
    {
        TestProgram t;
        QSignalSpy loadedSpy(&t.screens(), &ScreenRegistry::screenLoaded);
        t.context().values().frameno = 5;
        Screen *title = t.screens().screen(Title);
        QVERIFY(title && !title->isVisible());
        QCOMPARE(t.context().values().frameno, qint16(0)); // its load handler ran
        QCOMPARE(t.screens().screen(Title), title);        // and only once
        QCOMPARE(loadedSpy.count(), 1);
        QVERIFY(!t.screens().screen("nosuchscreen"));
        t.screens().unload(Jotter); // not loaded: nothing happens
        QCOMPARE(t.screens().loadedNames(), QStringList{Title});
    }
};

QTEST_MAIN(TestScreenRegistry)
#include "tst_screenregistry.moc"
