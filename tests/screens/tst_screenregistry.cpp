// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/controls.h"
#include "screens/screen.h"
#include "support/testprogram.h"

#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace ScreenNames;

namespace {

// Presses "<screen>.<control>", or "<screen>.<control>(<index>)" for an
// element of an array, by its signal: a greyed label still reaches its
// handler, which must ignore it.
void act(TestProgram &t, const QString &step)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\w+)\\.(\\w+)(?:\\((\\d+)\\))?$"));
    const QRegularExpressionMatch m = pattern.match(step);
    Screen *screen = t.screens().loaded(m.captured(1));
    QVERIFY2(screen, qPrintable(step + QStringLiteral(": screen not loaded")));
    QObject *control = screen->controlObject(m.captured(2), m.captured(3).isEmpty() ? NoIndex : m.captured(3).toInt());
    if (auto *button = qobject_cast<CommandButton *>(control))
        button->click();
    else if (auto *label = qobject_cast<Label *>(control))
        Q_EMIT label->clicked();
    else
        QFAIL(qPrintable(QStringLiteral("nothing to press at ") + step));
}

} // namespace

class TestScreenRegistry : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { TestProgram::settle(); }
    void transitions_data();
    void transitions();
    void returnToTitleRecreatesItWithCancel();
    void referringToAnUnloadedScreenLoadsItHidden();
    void closingTheLastWindowEndsTheProgram();
};

void TestScreenRegistry::transitions_data()
{
    QTest::addColumn<QStringList>("from"); // shown in this order
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("to");   // what is loaded, and shown, after

    QTest::newRow("title Exit ends the program") << QStringList{Title} << "Titlefrm.Command2" << QStringList{};
    QTest::newRow("title OK") << QStringList{Title} << "Titlefrm.Command1" << QStringList{Menu};
    QTest::newRow("menu exit") << QStringList{Menu} << "intro0.Command1" << QStringList{Title};
    QTest::newRow("first topic") << QStringList{Menu} << "intro0.Label2(0)" << QStringList{Proof};
    QTest::newRow("second topic") << QStringList{Menu} << "intro0.Label5(0)" << QStringList{Explorer};
    QTest::newRow("greyed left entry") << QStringList{Menu} << "intro0.Label2(3)" << QStringList{Menu};
    QTest::newRow("greyed right entry") << QStringList{Menu} << "intro0.Label5(5)" << QStringList{Menu};
    QTest::newRow("proof to problems") << QStringList{Proof} << "triproof.Label2" << QStringList{TriangleProblems};
    QTest::newRow("proof exit") << QStringList{Proof} << "triproof.cmdexit" << QStringList{Menu};
    QTest::newRow("explorer to problems") << QStringList{Explorer} << "star2.Label2(0)" << QStringList{StellatedProblems};
    QTest::newRow("explorer exit") << QStringList{Explorer} << "star2.cmdexit" << QStringList{Menu};
    QTest::newRow("triangle jotter") << QStringList{TriangleProblems} << "angtri.cmdjotter" << QStringList{TriangleProblems, Jotter};
    QTest::newRow("jotter button again: the same pad") << QStringList{TriangleProblems, Jotter} << "angtri.cmdjotter" << QStringList{TriangleProblems, Jotter};
    QTest::newRow("triangle exit") << QStringList{TriangleProblems} << "angtri.cmdexit" << QStringList{Menu};
    QTest::newRow("triangle exit closes the jotter") << QStringList{TriangleProblems, Jotter} << "angtri.cmdexit" << QStringList{Menu};
    QTest::newRow("stellated jotter") << QStringList{StellatedProblems} << "star.cmdjotter" << QStringList{StellatedProblems, Jotter};
    QTest::newRow("stellated exit closes the jotter") << QStringList{StellatedProblems, Jotter} << "star.cmdexit" << QStringList{Menu};
    QTest::newRow("jotter exit, wide") << QStringList{StellatedProblems, Jotter} << "notepad.Command1" << QStringList{StellatedProblems};
    QTest::newRow("jotter exit, tall") << QStringList{TriangleProblems, Jotter} << "notepad.Command9" << QStringList{TriangleProblems};
}

void TestScreenRegistry::transitions()
{
    QFETCH(QStringList, from);
    QFETCH(QString, action);
    QFETCH(QStringList, to);
    TestProgram t;
    QList<QPointer<Screen>> before;
    for (const QString &name : std::as_const(from)) {
        t.screens().show(name);
        before.append(t.screens().loaded(name));
    }

    act(t, action);
    if (QTest::currentTestFailed())
        return;
    to.sort();
    QCOMPARE(t.screens().loadedNames(), to);
    for (const QString &name : std::as_const(to))
        QVERIFY2(t.screens().loaded(name)->isVisible(), qPrintable(name));

    // A screen left behind is hidden and its timers stopped at once, but it
    // is deleted only later, never under the feet of the running handler.
    QList<QPointer<Screen>> left;
    for (const QPointer<Screen> &screen : std::as_const(before)) {
        QVERIFY(screen);
        if (to.contains(screen->screenName())) {
            QCOMPARE(t.screens().loaded(screen->screenName()), screen.data()); // kept, not made again
            continue;
        }
        QVERIFY(!screen->isVisible());
        for (const QTimer *timer : screen->findChildren<QTimer *>())
            QVERIFY(!timer->isActive());
        left.append(screen);
    }
    TestProgram::settle();
    for (const QPointer<Screen> &screen : std::as_const(left))
        QVERIFY(screen.isNull());
    // Once the program has ended, nothing comes back.
    if (to.isEmpty()) {
        QVERIFY(t.screens().hasEnded());
        t.screens().show(Menu);
        QVERIFY(t.screens().loadedNames().isEmpty());
    }
}

void TestScreenRegistry::returnToTitleRecreatesItWithCancel()
{
    TestProgram t;
    t.screens().show(Title);
    QCOMPARE(t.screens().loaded(Title)->control<CommandButton>(QStringLiteral("Command1"))->text(), QStringLiteral("OK"));
    for (int visit = 0; visit < 2; ++visit) {
        act(t, QStringLiteral("Titlefrm.Command1"));
        TestProgram::settle();
        t.program().values().frameno = 9;
        act(t, QStringLiteral("intro0.Command1"));
        Screen *title = t.screens().loaded(Title);
        QVERIFY(title && title->isVisible());
        QCOMPARE(title->control<CommandButton>(QStringLiteral("Command1"))->text(), QStringLiteral("Cancel"));
        // Its load ran again: the animation starts over.
        QCOMPARE(t.program().values().frameno, qint16(0));
        QVERIFY(title->control<QTimer>(QStringLiteral("Timer1"))->isActive());
    }
}

void TestScreenRegistry::referringToAnUnloadedScreenLoadsItHidden()
{
    TestProgram t;
    QSignalSpy loadedSpy(&t.screens(), &ScreenRegistry::screenLoaded);
    t.program().values().frameno = 5;
    Screen *title = t.screens().screen(Title);
    QVERIFY(title);
    QVERIFY(!title->isVisible());
    QCOMPARE(t.program().values().frameno, qint16(0)); // its load handler ran
    QCOMPARE(t.screens().screen(Title), title);          // and only once
    QCOMPARE(loadedSpy.count(), 1);
    QVERIFY(t.screens().screen(QStringLiteral("nosuchscreen")) == nullptr);
    t.screens().unload(QStringLiteral("nosuchscreen")); // nothing happens
    t.screens().unload(Jotter);
    QCOMPARE(t.screens().loadedNames(), QStringList{Title});
}

void TestScreenRegistry::closingTheLastWindowEndsTheProgram()
{
    TestProgram t;
    t.screens().show(StellatedProblems);
    t.screens().show(Jotter);
    QSignalSpy last(&t.screens(), &ScreenRegistry::lastScreenUnloaded);
    t.screens().loaded(StellatedProblems)->close();
    QCOMPARE(last.count(), 0);
    QCOMPARE(t.screens().loadedNames(), QStringList{Jotter});
    t.screens().loaded(Jotter)->close();
    QCOMPARE(last.count(), 1);
    QVERIFY(t.screens().loadedNames().isEmpty());
}

QTEST_MAIN(TestScreenRegistry)
#include "tst_screenregistry.moc"
