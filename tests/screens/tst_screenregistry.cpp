// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/titlescreen.h"
#include "app/topicmenu.h"
#include "jotter/jotterpad.h"
#include "problems/problemspage.h"
#include "screens/controls.h"
#include "stellated/starexplorer.h"
#include "support/testprogram.h"
#include "triangle/proofscreen.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace ScreenNames;

namespace {

// Runs one handler, named "<screen>.<handler>", on the loaded screen.
void act(TestProgram &t, const QString &step)
{
    const QString screen = step.section(u'.', 0, 0);
    const QString handler = step.section(u'.', 1);
    Screen *target = t.screens().loaded(screen);
    QVERIFY2(target, qPrintable(step + QStringLiteral(": screen not loaded")));
    if (auto *title = qobject_cast<TitleScreen *>(target)) {
        if (handler == u"Command1") return title->Command1_Click();
        if (handler == u"Command2") return title->Command2_Click();
    } else if (auto *menu = qobject_cast<TopicMenu *>(target)) {
        if (handler == u"Command1") return menu->Command1_Click();
        if (handler.startsWith(u"Label2")) return menu->Label2_Click(handler.mid(7, 1).toInt());
        if (handler.startsWith(u"Label5")) return menu->Label5_Click(handler.mid(7, 1).toInt());
        if (handler == u"Label6") return menu->Label6_Click();
    } else if (auto *proof = qobject_cast<ProofScreen *>(target)) {
        if (handler == u"Label2") return proof->Label2_Click();
        if (handler == u"cmdexit") return proof->cmdexit_Click();
    } else if (auto *explorer = qobject_cast<StarExplorer *>(target)) {
        if (handler == u"Label2") return explorer->Label2_Click(0);
        if (handler == u"cmdexit") return explorer->cmdexit_Click();
    } else if (auto *page = qobject_cast<ProblemsPage *>(target)) {
        if (handler == u"cmdjotter") return page->cmdjotter_Click();
        if (handler == u"cmdexit") return page->cmdexit_Click();
    } else if (auto *jotter = qobject_cast<JotterPad *>(target)) {
        if (handler == u"Command1" || handler == u"Command9") return jotter->Exit_Click();
    }
    QFAIL(qPrintable(QStringLiteral("no handler for ") + step));
}

QStringList visibleScreens(TestProgram &t)
{
    QStringList names;
    for (const QString &name : t.screens().loadedNames()) {
        if (t.screens().loaded(name)->isVisible())
            names.append(name);
    }
    return names;
}

} // namespace

class TestScreenRegistry : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void transitions_data();
    void transitions();
    void returnToTitleRecreatesItWithCancel();
    void jotterIsOneWindow();
    void referringToAnUnloadedScreenLoadsItHidden();
    void unloadingFromOwnHandlerDefersDeletion();
    void exitEndsTheProgram();
    void closingTheLastWindowEndsTheProgram();
    void closingOneOfTwoWindowsDoesNot();
};

void TestScreenRegistry::transitions_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("loaded");

    const QStringList toMenu{QStringLiteral("Titlefrm.Command1")};
    const QStringList toProof = toMenu + QStringList{QStringLiteral("intro0.Label2(0)")};
    const QStringList toExplorer = toMenu + QStringList{QStringLiteral("intro0.Label5(0)")};
    const QStringList toTriangles = toProof + QStringList{QStringLiteral("triproof.Label2")};
    const QStringList toStars = toExplorer + QStringList{QStringLiteral("star2.Label2")};

    QTest::newRow("start") << QStringList{} << QStringList{Title};
    QTest::newRow("OK opens the menu") << toMenu << QStringList{Menu};
    QTest::newRow("menu exit shows the title") << toMenu + QStringList{QStringLiteral("intro0.Command1")} << QStringList{Title};
    QTest::newRow("Cancel opens the menu") << toMenu + QStringList{QStringLiteral("intro0.Command1"), QStringLiteral("Titlefrm.Command1")} << QStringList{Menu};
    QTest::newRow("first topic") << toProof << QStringList{Proof};
    QTest::newRow("second topic") << toExplorer << QStringList{Explorer};
    QTest::newRow("greyed left entry") << toMenu + QStringList{QStringLiteral("intro0.Label2(3)")} << QStringList{Menu};
    QTest::newRow("greyed right entry") << toMenu + QStringList{QStringLiteral("intro0.Label5(5)")} << QStringList{Menu};
    QTest::newRow("web link") << toMenu + QStringList{QStringLiteral("intro0.Label6")} << QStringList{Menu};
    QTest::newRow("proof to problems") << toTriangles << QStringList{TriangleProblems};
    QTest::newRow("proof exit") << toProof + QStringList{QStringLiteral("triproof.cmdexit")} << QStringList{Menu};
    QTest::newRow("explorer to problems") << toStars << QStringList{StellatedProblems};
    QTest::newRow("explorer exit") << toExplorer + QStringList{QStringLiteral("star2.cmdexit")} << QStringList{Menu};
    QTest::newRow("triangle jotter") << toTriangles + QStringList{QStringLiteral("angtri.cmdjotter")} << QStringList{TriangleProblems, Jotter};
    QTest::newRow("triangle exit closes the jotter") << toTriangles + QStringList{QStringLiteral("angtri.cmdjotter"), QStringLiteral("angtri.cmdexit")} << QStringList{Menu};
    QTest::newRow("triangle exit without jotter") << toTriangles + QStringList{QStringLiteral("angtri.cmdexit")} << QStringList{Menu};
    QTest::newRow("stellated jotter") << toStars + QStringList{QStringLiteral("star.cmdjotter")} << QStringList{StellatedProblems, Jotter};
    QTest::newRow("stellated exit closes the jotter") << toStars + QStringList{QStringLiteral("star.cmdjotter"), QStringLiteral("star.cmdexit")} << QStringList{Menu};
    QTest::newRow("jotter exit, landscape") << toStars + QStringList{QStringLiteral("star.cmdjotter"), QStringLiteral("notepad.Command1")} << QStringList{StellatedProblems};
    QTest::newRow("jotter exit, portrait") << toTriangles + QStringList{QStringLiteral("angtri.cmdjotter"), QStringLiteral("notepad.Command9")} << QStringList{TriangleProblems};
    QTest::newRow("round trip") << toTriangles + QStringList{QStringLiteral("angtri.cmdexit"), QStringLiteral("intro0.Label5(0)"), QStringLiteral("star2.Label2"), QStringLiteral("star.cmdexit"), QStringLiteral("intro0.Command1")} << QStringList{Title};
}

void TestScreenRegistry::transitions()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, loaded);
    TestProgram t;
    t.screens().show(Title);
    for (const QString &step : std::as_const(steps)) {
        act(t, step);
        if (QTest::currentTestFailed())
            return;
        // Once a transition is over, at most one screen besides the Jotter is loaded.
        QStringList others = t.screens().loadedNames();
        others.removeAll(Jotter);
        QCOMPARE(others.size(), 1);
        TestProgram::settle();
    }
    loaded.sort();
    QCOMPARE(t.screens().loadedNames(), loaded);
    QCOMPARE(visibleScreens(t), loaded);
}

void TestScreenRegistry::returnToTitleRecreatesItWithCancel()
{
    TestProgram t;
    t.screens().show(Title);
    QPointer<Screen> first = t.screens().loaded(Title);
    QCOMPARE(first->control<CommandButton>(QStringLiteral("Command1"))->text(), QStringLiteral("OK"));
    act(t, QStringLiteral("Titlefrm.Command1"));
    TestProgram::settle();
    QVERIFY(first.isNull());

    t.program().values().frameno = 9;
    act(t, QStringLiteral("intro0.Command1"));
    Screen *title = t.screens().loaded(Title);
    QVERIFY(title && title->isVisible());
    QCOMPARE(title->control<CommandButton>(QStringLiteral("Command1"))->text(), QStringLiteral("Cancel"));
    // Its load ran again: the animation starts over.
    QCOMPARE(t.program().values().frameno, qint16(0));
    QVERIFY(title->control<QTimer>(QStringLiteral("Timer1"))->isActive());

    // A later return re-creates it again, still with "Cancel".
    act(t, QStringLiteral("Titlefrm.Command1"));
    act(t, QStringLiteral("intro0.Command1"));
    QCOMPARE(t.screens().loaded(Title)->control<CommandButton>(QStringLiteral("Command1"))->text(), QStringLiteral("Cancel"));
}

void TestScreenRegistry::jotterIsOneWindow()
{
    TestProgram t;
    t.screens().show(TriangleProblems);
    act(t, QStringLiteral("angtri.cmdjotter"));
    QPointer<Screen> jotter = t.screens().loaded(Jotter);
    QVERIFY(jotter && jotter->isVisible());
    act(t, QStringLiteral("angtri.cmdjotter"));
    QCOMPARE(t.screens().loaded(Jotter), jotter.data());
    TestProgram::settle();
    QVERIFY(!jotter.isNull());

    // Its own exit, then the page's button again: a fresh pad.
    act(t, QStringLiteral("notepad.Command1"));
    TestProgram::settle();
    QVERIFY(jotter.isNull());
    act(t, QStringLiteral("angtri.cmdjotter"));
    QVERIFY(t.screens().loaded(Jotter));
}

void TestScreenRegistry::referringToAnUnloadedScreenLoadsItHidden()
{
    TestProgram t;
    QSignalSpy loadedSpy(&t.screens(), &ScreenRegistry::screenLoaded);
    t.program().values().frameno = 5;
    Screen *title = t.screens().screen(Title);
    QVERIFY(title);
    QVERIFY(!title->isVisible());
    QCOMPARE(loadedSpy.count(), 1);
    QCOMPARE(t.program().values().frameno, qint16(0)); // its load handler ran
    QCOMPARE(t.screens().screen(Title), title);          // and only once
    QCOMPARE(loadedSpy.count(), 1);
    QVERIFY(t.screens().screen(QStringLiteral("nosuchscreen")) == nullptr);
    t.screens().unload(QStringLiteral("nosuchscreen")); // nothing happens
    t.screens().unload(Jotter);
    QCOMPARE(t.screens().loadedNames(), QStringList{Title});
}

void TestScreenRegistry::unloadingFromOwnHandlerDefersDeletion()
{
    TestProgram t;
    t.screens().show(Title);
    QPointer<Screen> title = t.screens().loaded(Title);
    QTimer *timer = title->control<QTimer>(QStringLiteral("Timer1"));
    QVERIFY(timer->isActive());
    act(t, QStringLiteral("Titlefrm.Command1"));
    // Forgotten and stopped at once, deleted only later.
    QVERIFY(!t.screens().isLoaded(Title));
    QVERIFY(!title.isNull());
    QVERIFY(!timer->isActive());
    QVERIFY(!title->isVisible());
    TestProgram::settle();
    QVERIFY(title.isNull());
}

void TestScreenRegistry::exitEndsTheProgram()
{
    for (const QString &caption : {QStringLiteral("OK"), QStringLiteral("Cancel")}) {
        TestProgram t;
        t.screens().show(Title);
        if (caption == u"Cancel") {
            act(t, QStringLiteral("Titlefrm.Command1"));
            act(t, QStringLiteral("intro0.Command1"));
        }
        QSignalSpy ended(&t.screens(), &ScreenRegistry::endRequested);
        act(t, QStringLiteral("Titlefrm.Command2"));
        QCOMPARE(ended.count(), 1);
        QVERIFY(t.screens().loadedNames().isEmpty());
        QVERIFY(t.screens().hasEnded());
        // Nothing comes back after the end.
        t.screens().show(Menu);
        QVERIFY(t.screens().loadedNames().isEmpty());
    }
}

void TestScreenRegistry::closingTheLastWindowEndsTheProgram()
{
    TestProgram t;
    t.screens().show(Title);
    QSignalSpy last(&t.screens(), &ScreenRegistry::lastScreenUnloaded);
    t.screens().loaded(Title)->close();
    QCOMPARE(last.count(), 1);
    QVERIFY(t.screens().loadedNames().isEmpty());
}

void TestScreenRegistry::closingOneOfTwoWindowsDoesNot()
{
    TestProgram t;
    t.screens().show(StellatedProblems);
    act(t, QStringLiteral("star.cmdjotter"));
    QSignalSpy last(&t.screens(), &ScreenRegistry::lastScreenUnloaded);
    t.screens().loaded(StellatedProblems)->close();
    QCOMPARE(last.count(), 0);
    QCOMPARE(t.screens().loadedNames(), QStringList{Jotter});
    t.screens().loaded(Jotter)->close();
    QCOMPARE(last.count(), 1);
}

QTEST_MAIN(TestScreenRegistry)
#include "tst_screenregistry.moc"
