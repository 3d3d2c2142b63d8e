// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// A pupil who works from the keyboard: a screen a key opens shows where the
// focus is at once, and a key held down acts once.
#include "controls/commandbutton.h"
#include "controls/label.h"
#include "screens/screen.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QTest>

using namespace ScreenNames;

namespace {

bool showsRing(const QWidget *control)
{
    if (const auto *label = qobject_cast<const Label *>(control))
        return label->showsFocusRing();
    const auto *button = qobject_cast<const CommandButton *>(control);
    return button && button->showsFocusRing();
}

QList<const QWidget *> visibleControls(const Screen *screen)
{
    QList<const QWidget *> shown;
    for (const QWidget *control : screen->findChildren<QWidget *>()) {
        if (control->isVisible())
            shown.append(control);
    }
    return shown;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void openedScreenShowsTheRing_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key"); // none: a click
        QTest::addColumn<QString>("opened");
        QTest::newRow("Space on OK") << Title << "Command1" << int(Qt::Key_Space) << Menu;
        QTest::newRow("Enter on a topic") << Menu << "Label2" << int(Qt::Key_Return) << Proof;
        QTest::newRow("Space on the Jotter button") << TriangleProblems << "cmdjotter" << int(Qt::Key_Space) << Jotter;
        QTest::newRow("a click on OK") << Title << "Command1" << 0 << Menu;
        QTest::newRow("a click on a topic") << Menu << "Label2" << 0 << Proof;
    }
    void openedScreenShowsTheRing()
    {
        QFETCH(QString, from);
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(QString, opened);
        TestProgram program;
        Screen *screen = program.open(from);
        QVERIFY(screen);
        QWidget *target = screen->control<QWidget>(control, control == u"Label2" && from == Menu ? 0 : NoIndex);
        QVERIFY(target);
        if (key) {
            target->setFocus(Qt::TabFocusReason);
            QTest::keyClick(target, Qt::Key(key));
        } else {
            QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        }
        Screen *next = program.screen(opened);
        QVERIFY(next && QTest::qWaitForWindowActive(next));
        QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == next);
        QCOMPARE(showsRing(QApplication::focusWidget()), key != 0);
    }

    void heldKeyActsOnce()
    {
        TestProgram program;
        Screen *proof = program.open(Proof);
        QVERIFY(proof);
        auto *nextStep = proof->control<Label>(QStringLiteral("Label5"));
        QVERIFY(nextStep);
        nextStep->setFocus(Qt::TabFocusReason);
        const auto before = visibleControls(proof);
        QTest::keyPress(nextStep, Qt::Key_Return);
        const auto firstStep = visibleControls(proof);
        QVERIFY(firstStep != before);
        // The key stays down: the system repeats it, the proof stays at its first step.
        for (int repeat = 0; repeat < 5; ++repeat) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
            QApplication::sendEvent(nextStep, &press);
        }
        QCOMPARE(visibleControls(proof), firstStep);
        QTest::keyRelease(nextStep, Qt::Key_Return);
        QTest::keyClick(nextStep, Qt::Key_Return);
        QVERIFY(visibleControls(proof) != firstStep);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
