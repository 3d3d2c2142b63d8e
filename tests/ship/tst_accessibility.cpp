// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "controls/label.h"
#include "screens/screen.h"
#include "support/datarow.h"
#include "support/testprogram.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QTest>

// Every screen can be worked from the keyboard and read by a screen reader.
class TestAccessibility : public QObject
{
    Q_OBJECT
    // What is wrong with the names on a screen: every visible control must
    // have one of its own, and its shortcut, if any, be told and not shared.
    static QStringList misnamed(Screen *shown)
    {
        const auto nameOf = [](QWidget *widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).trimmed();
        };
        QStringList faults, names;
        if (nameOf(shown).isEmpty() || shown->accessibleDescription().isEmpty())
            faults += shown->objectName() + QStringLiteral(" unnamed or undescribed");
        for (QWidget *widget : shown->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(shown) || !widget->isEnabled())
                continue;
            // A text box may bear the name of the label beside it, not of another box.
            const QString name = QLatin1String(widget->metaObject()->className()) + u' ' + nameOf(widget);
            if (nameOf(widget).isEmpty() || names.contains(name))
                faults += widget->objectName() + QStringLiteral(" unnamed or named as another: ") + name;
            const auto *button = qobject_cast<QAbstractButton *>(widget);
            const QString keys = button ? button->shortcut().toString(QKeySequence::NativeText) : QString();
            if (!keys.isEmpty() && (!button->toolTip().contains(keys) || names.contains(keys)))
                faults += widget->objectName() + QStringLiteral(" with an untold or shared shortcut ") + keys;
            names << name << keys;
        }
        return faults;
    }

private Q_SLOTS:
    void keyboardAndNames_data()
    {
        QTest::addColumn<QString>("screen");
        // The Tab order, once round from where the focus starts: the picture
        // buttons, the greyed entries and hidden controls stay off it. A
        // player bar's button by its bar and name; empty: not checked again.
        QTest::addColumn<QStringList>("cycle");
        QTest::addColumn<QString>("control"); // given the focus; empty: the key goes to the window
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("after"); // the screen shown after
        using namespace ScreenNames;
        const QKeySequence space(Qt::Key_Space), enter(Qt::Key_Return), altJ(Qt::ALT | Qt::Key_J);
        const QStringList playing{"Text1", "MMControl1/Pause"}, none;
        QStringList jotter{"Command1", "Command2", "Command5", "Command6", "Command3"};
        for (int i = 0; i < 16; ++i)
            jotter += QStringLiteral("Label1(%1)").arg(i);
        addDataRow("title: OK", Title, QStringList{"Command1", "Command2"}, "Command1", space, Menu);
        const QStringList menu{"Label2(0)", "Label5(0)", "Command1", "Label6"};
        addDataRow("menu: web link", Menu, menu, "Label6", QKeySequence(Qt::Key_Enter), Menu);
        addDataRow("menu: explorer", Menu, none, "Label5(0)", space, Explorer);
        addDataRow("menu: Alt+X", Menu, none, "", QKeySequence(Qt::ALT | Qt::Key_X), Title);
        addDataRow("proof: problems", Proof, QStringList{"Label5", "Label2"}, "Label2", enter, TriangleProblems);
        addDataRow("triangle problems: Alt+J", TriangleProblems, playing, "", altJ, Jotter);
        const QStringList explorer{"Text2(0)", "Text2(1)", "Label2(0)"};
        addDataRow("explorer: problems", Explorer, explorer, "Label2(0)", enter, StellatedProblems);
        addDataRow("stellated problems: Alt+J", StellatedProblems, playing, "", altJ, Jotter);
        addDataRow("Jotter: flip", Jotter, jotter, "Command3", space, Jotter); // to the tall layout
    }
    void keyboardAndNames()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, cycle);
        QFETCH(QString, control);
        QFETCH(QKeySequence, key);
        QFETCH(QString, after);
        TestProgram program;
        Screen *shown = program.open(screen);
        QVERIFY(shown);
        QCOMPARE(misnamed(shown), QStringList());
        QStringList seen;
        for (int press = 0; press <= cycle.size() && !cycle.isEmpty(); ++press) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            seen += focus->objectName().isEmpty() ? focus->parentWidget()->objectName() + u'/' + focus->accessibleName()
                                                  : focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(seen, cycle + cycle.mid(0, 1));

        // A key leads on without a mouse; the screen shown then is named too.
        QWidget *target = control.isEmpty() ? shown : shown->findChild<QWidget *>(control);
        QVERIFY(target);
        target->setFocus(Qt::TabFocusReason);
        QTest::keySequence(target, key);
        TestProgram::settle();
        QTRY_VERIFY((shown = program.screen(after)) && shown->isVisible());
        QCOMPARE(misnamed(shown), QStringList());
        // The web link opens the address it shows; no other key opens one.
        QCOMPARE(program.openedUrls(),
                 control == u"Label6" ? QList<QUrl>{"https://" + shown->control<Label>(control)->text() + u'/'}
                                      : QList<QUrl>());
        // The flip shows the tall layout: its frame, in a window taller than wide.
        if (control == u"Command3")
            QVERIFY(shown->control<QWidget>("Frame_portrait")->isVisible() &&
                    !shown->control<QWidget>("Frame_landscape")->isVisible() && shown->height() > shown->width());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
