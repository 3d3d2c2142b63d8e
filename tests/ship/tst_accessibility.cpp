// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/label.h"
#include "screens/screen.h"
#include "support/testprogram.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QTest>

// Every screen can be worked from the keyboard and read by a screen reader.
class TestAccessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keysWorkAndControlsAreNamed_data();
    void keysWorkAndControlsAreNamed();
};

void TestAccessibility::keysWorkAndControlsAreNamed_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control"); // reached by Tab; empty: the key goes to the window
    QTest::addColumn<int>("index");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("after"); // the screen shown after; empty: the program has ended
    using namespace ScreenNames;
    const auto add = [](const QString &screen, const char *control, int index, QKeySequence key, const QString &after) {
        QTest::addRow("%s %s %s", qPrintable(screen), control, qPrintable(key.toString()))
            << screen << control << index << key << after;
    };
    const QKeySequence space(Qt::Key_Space), enter(Qt::Key_Return);
    add(Title, "Command1", NoIndex, space, Menu);
    add(Title, "Command2", NoIndex, space, QString());
    add(Menu, "Label2", 0, enter, Proof);
    add(Menu, "Label5", 0, space, Explorer);
    add(Menu, "Label6", NoIndex, QKeySequence(Qt::Key_Enter), Menu); // the web link
    add(Proof, "Label2", NoIndex, enter, TriangleProblems);
    add(Explorer, "Label2", 0, enter, StellatedProblems);
    add(TriangleProblems, "", NoIndex, QKeySequence(Qt::ALT | Qt::Key_J), Jotter);
    add(StellatedProblems, "", NoIndex, QKeySequence(Qt::ALT | Qt::Key_X), Menu);
    add(Menu, "", NoIndex, QKeySequence(Qt::ALT | Qt::Key_X), Title);
    add(Jotter, "Command3", NoIndex, space, Jotter); // the tall layout
}

// A control reached by Tab, or a shortcut, and a key lead on without a
// mouse. On the screen shown then, every visible control has a name of its
// own, words that take Tab can be pressed and shortcuts are told and not shared.
void TestAccessibility::keysWorkAndControlsAreNamed()
{
    QFETCH(QString, screen);
    QFETCH(QString, control);
    QFETCH(int, index);
    QFETCH(QKeySequence, key);
    QFETCH(QString, after);
    TestProgram program;
    Screen *shown = program.open(screen);
    QVERIFY(shown);
    if (!control.isEmpty()) {
        QWidget *target = shown->control<QWidget>(control, index);
        for (int press = 0; press < 40 && QApplication::focusWidget() != target; ++press)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : shown, Qt::Key_Tab);
        QVERIFY(target && QApplication::focusWidget() == target);
    }
    QTest::keySequence(control.isEmpty() ? shown : QApplication::focusWidget(), key);
    TestProgram::settle();
    QCOMPARE(program.openedUrls().size(), int(control == u"Label6"));
    QVERIFY(after.isEmpty() == program.screens().hasEnded());
    if (after.isEmpty())
        return;
    QTRY_VERIFY((shown = program.screen(after)) && shown->isVisible());

    const auto nameOf = [](QWidget *widget) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        return face ? face->text(QAccessible::Name).trimmed() : QString();
    };
    QVERIFY(!nameOf(shown).isEmpty() && !shown->accessibleDescription().isEmpty());
    QStringList faults, names;
    QList<QKeySequence> shortcuts;
    for (QWidget *widget : shown->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(shown) || !widget->isEnabled())
            continue;
        // A text box may bear the name of the label beside it, not of another box.
        const QString name = QLatin1String(widget->metaObject()->className()) + u' ' + nameOf(widget);
        if (nameOf(widget).isEmpty() || names.contains(name))
            faults += widget->objectName() + QStringLiteral(" unnamed or named as another: ") + name;
        names += name;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        if (qobject_cast<Label *>(widget) && (widget->focusPolicy() & Qt::TabFocus) &&
            !(face->actionInterface() &&
              face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction())))
            faults += widget->objectName() + QStringLiteral(" takes Tab but cannot be pressed");
        const auto *button = qobject_cast<QAbstractButton *>(widget);
        if (const QKeySequence shortcut = button ? button->shortcut() : QKeySequence(); !shortcut.isEmpty()) {
            if (!button->toolTip().contains(shortcut.toString(QKeySequence::NativeText)) ||
                shortcuts.contains(shortcut))
                faults += widget->objectName() + QStringLiteral(" with an untold or shared shortcut");
            shortcuts += shortcut;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u", ")));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
