// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// A pupil who works from the keyboard: a screen a key opens shows where the
// focus is at once, and a key held down acts once.
#include "controls/commandbutton.h"
#include "controls/label.h"
#include "screens/screen.h"
#include "support/datarow.h"
#include "support/testprogram.h"

#include <QApplication>

using namespace ScreenNames;

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
        addDataRow("Space on OK", Title, "Command1", int(Qt::Key_Space), Menu);
        addDataRow("Enter on a topic", Menu, "Label2(0)", int(Qt::Key_Return), Proof);
        addDataRow("Space on the Jotter button", TriangleProblems, "cmdjotter", int(Qt::Key_Space), Jotter);
        addDataRow("a click on OK", Title, "Command1", 0, Menu);
        addDataRow("a click on a topic", Menu, "Label2(0)", 0, Proof);
    }
    void openedScreenShowsTheRing()
    {
        QFETCH(QString, from);
        QFETCH(QString, control);
        QFETCH(int, key);
        TestProgram program;
        Screen *screen = program.open(from);
        QWidget *target = screen ? screen->findChild<QWidget *>(control) : nullptr;
        QVERIFY(target);
        if (key) {
            target->setFocus(Qt::TabFocusReason);
            QTest::keyClick(target, Qt::Key(key));
        } else {
            QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        }
        QFETCH(QString, opened);
        Screen *next = program.screen(opened);
        QVERIFY(next && QTest::qWaitForWindowActive(next));
        QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == next);
        const auto *label = qobject_cast<const Label *>(QApplication::focusWidget());
        const auto *button = qobject_cast<const CommandButton *>(QApplication::focusWidget());
        QCOMPARE(label ? label->showsFocusRing() : button && button->showsFocusRing(), key != 0);
        // A key held down repeats into the screen it opened, where no control
        // acts on a repeat: the proof stays at its start, the menu opens nothing.
        const QStringList before = shownControls();
        for (int repeat = 0; key && repeat < 5; ++repeat) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(QApplication::focusWidget(), &press);
        }
        QCOMPARE(shownControls(), before);
    }

private:
    static QStringList shownControls()
    {
        QStringList names;
        for (const QWidget *control : QApplication::allWidgets())
            if (control->isVisible())
                names += control->window()->objectName() + u':' + control->objectName();
        names.sort();
        return names;
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
