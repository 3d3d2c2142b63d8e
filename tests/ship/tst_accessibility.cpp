// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "controls/label.h"
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
    // Each screen's Tab order, once round from where the focus starts; the
    // picture buttons, the greyed entries and hidden controls stay off it.
    void tabOrder_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("cycle"); // a player bar's button by its bar and name
        using namespace ScreenNames;
        QStringList jotter{"Command1", "Command2", "Command5", "Command6", "Command3"};
        for (int i = 0; i < 16; ++i)
            jotter += QStringLiteral("Label1(%1)").arg(i);
        QTest::newRow("title") << Title << QStringList{"Command1", "Command2"};
        QTest::newRow("menu") << Menu << QStringList{"Label2(0)", "Label5(0)", "Command1", "Label6"};
        QTest::newRow("proof") << Proof << QStringList{"Label5", "Label2"};
        QTest::newRow("triangle problems") << TriangleProblems << QStringList{"Text1", "MMControl1/Pause"};
        QTest::newRow("explorer") << Explorer << QStringList{"Text2(0)", "Text2(1)", "Label2(0)"};
        QTest::newRow("stellated problems") << StellatedProblems << QStringList{"Text1", "MMControl1/Pause"};
        QTest::newRow("Jotter") << Jotter << jotter;
    }
    void tabOrder()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, cycle);
        TestProgram program;
        QVERIFY(program.open(screen));
        QStringList seen;
        for (int press = 0; press <= cycle.size(); ++press) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            seen += focus->objectName().isEmpty() ? focus->parentWidget()->objectName() + u'/' + focus->accessibleName()
                                                  : focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(seen, cycle + cycle.mid(0, 1));
    }

    void keysWorkAndControlsAreNamed_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control"); // reached by Tab; empty: the key goes to the window
        QTest::addColumn<int>("index");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("after"); // the screen shown after
        using namespace ScreenNames;
        const QKeySequence space(Qt::Key_Space), enter(Qt::Key_Return);
        QTest::newRow("menu: first topic") << Menu << "Label2" << 0 << enter << Proof;
        QTest::newRow("menu: explorer") << Menu << "Label5" << 0 << space << Explorer;
        QTest::newRow("menu: web link") << Menu << "Label6" << NoIndex << QKeySequence(Qt::Key_Enter) << Menu;
        QTest::newRow("proof: problems") << Proof << "Label2" << NoIndex << enter << TriangleProblems;
        QTest::newRow("explorer: problems") << Explorer << "Label2" << 0 << enter << StellatedProblems;
        QTest::newRow("Alt+J") << TriangleProblems << "" << NoIndex << QKeySequence(Qt::ALT | Qt::Key_J) << Jotter;
        QTest::newRow("Alt+X") << Menu << "" << NoIndex << QKeySequence(Qt::ALT | Qt::Key_X) << Title;
        QTest::newRow("jotter: flip") << Jotter << "Command3" << NoIndex << space << Jotter; // the tall layout
    }

    // A control reached by Tab, or a shortcut, and a key lead on without a
    // mouse. On the screen shown then, every visible control has a name of its
    // own and shortcuts are told and not shared.
    void keysWorkAndControlsAreNamed()
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
        QTRY_VERIFY((shown = program.screen(after)) && shown->isVisible());
        // The web link opens the address it shows; no other key opens one.
        QStringList opened;
        for (const QUrl &url : program.openedUrls())
            opened += url.scheme() + u' ' + url.host();
        QCOMPARE(opened,
                 control == u"Label6" ? QStringList{"https " + shown->control<Label>(control)->text()} : QStringList());
        // The flip shows the tall layout: its frame, in a window taller than wide.
        if (control == u"Command3")
            QVERIFY(shown->control<QWidget>("Frame_portrait")->isVisible() &&
                    !shown->control<QWidget>("Frame_landscape")->isVisible() && shown->height() > shown->width());

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
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
