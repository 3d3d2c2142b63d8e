// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/commandbutton.h"
#include "screens/label.h"
#include "screens/screen.h"
#include "screens/textbox.h"
#include "screens/twipsgeometry.h"
#include "support/testprogram.h"

#include <QRegularExpression>
#include <QTest>

using namespace ScreenNames;

// Screens built straight from their definitions, before any load handler.
class TestScreenDefinitions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void definitionsHoldTogether_data()
    {
        QTest::addColumn<QString>("screen");
        for (const QString &name : screenNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void definitionsHoldTogether()
    {
        QFETCH(QString, screen);
        const ScreenDefinition &definition = screenDefinition(screen);
        TestProgram t;
        Screen built(definition, t.context());
        QCOMPARE(built.windowTitle(), definition.caption);
        QCOMPARE(built.clientSizeTwips(), definition.clientSize);
        built.show();
        QHash<QString, const ControlDefinition *> firstOfName;
        for (const ControlDefinition &c : definition.controls) {
            const QByteArray id =
                (c.name + (c.index == NoIndex ? QString() : QStringLiteral("(%1)").arg(c.index))).toUtf8();
            // Each name and index once; an array's elements all of one kind, and
            // a name either an array or not; every parent a frame of the screen.
            QVERIFY2(definition.find(c.name, c.index) == &c, id + " defined twice");
            const ControlDefinition *first =
                firstOfName.contains(c.name) ? firstOfName[c.name] : (firstOfName[c.name] = &c);
            QVERIFY2(first->kind == c.kind && (first->index == NoIndex) == (c.index == NoIndex), id);
            const ControlDefinition *frame = c.parent.isEmpty() ? nullptr : definition.find(c.parent);
            QVERIFY2(c.parent.isEmpty() || (frame && frame->kind == ControlKind::Frame),
                     id + " in " + c.parent.toUtf8());

            // The screen builds it with its definition's values.
            QObject *object = built.controlObject(c.name, c.index);
            QVERIFY2(object, id);
            auto *widget = qobject_cast<QWidget *>(object);
            if (!widget)
                continue; // a timer
            QVERIFY2(c.kind == ControlKind::Line || TwipsGeometry::rect(widget) == c.rect, id);
            QVERIFY2(!frame || widget->parentWidget() == built.controlObject(c.parent), id);
            QVERIFY2(widget->isHidden() == c.hidden && widget->isEnabled() != c.disabled, id);
            if (auto *label = qobject_cast<Label *>(widget))
                QVERIFY2(label->text() == c.text && label->isTransparent() == c.transparent &&
                             label->isBordered() == c.bordered,
                         id);
            if (qobject_cast<CommandButton *>(widget) || qobject_cast<TextBox *>(widget))
                QCOMPARE(widget->property("text").toString(), c.text);
            if (auto *box = qobject_cast<TextBox *>(widget))
                QVERIFY2(c.maxLength == 0 || box->maxLength() == c.maxLength, id);
        }
        // Every control the screen's own code wires up is there to be wired.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("QObject::connect")));
        QVERIFY(t.screens().screen(screen));
    }

    void controlArraysAreAddressedByIndex()
    {
        TestProgram t;
        Screen proof(screenDefinition(Proof), t.context());
        QVERIFY(proof.control<Label>("Label4", 4));
        QVERIFY(!proof.control<Label>("Label4"));    // the array needs an index
        QVERIFY(!proof.control<Label>("Label4", 5)); // beyond the array
        QVERIFY(!proof.control<TextBox>("Label3"));  // of another kind
        // A new element copies element 0 as it is now, and starts hidden.
        Screen menu(screenDefinition(Menu), t.context());
        auto *first = menu.control<Label>("Label2", 0);
        TwipsGeometry::setTop(first, 3000);
        first->setFont(QFont(first->font().family(), 30));
        auto *copy = qobject_cast<Label *>(menu.loadControl("Label2", 1));
        QVERIFY(copy && copy->isHidden());
        QCOMPARE(TwipsGeometry::rect(copy), QRect(360, 3000, 5355, 495));
        QCOMPARE(copy->text(), first->text());
        QCOMPARE(copy->font(), first->font());
        QCOMPARE(menu.control<Label>("Label2", 1), copy);
        QVERIFY(!menu.loadControl("Label2", 1)); // taken
        QVERIFY(!menu.loadControl("Label9", 1)); // no element 0
    }
};

QTEST_MAIN(TestScreenDefinitions)
#include "tst_screendefinitions.moc"
