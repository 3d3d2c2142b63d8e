// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/controls.h"
#include "screens/fonts.h"
#include "screens/screen.h"
#include "screens/twipsgeometry.h"
#include "support/testprogram.h"

#include <QFontInfo>
#include <QSignalSpy>
#include <QTest>

using namespace ScreenNames;

// Screens built straight from their definitions, before any load handler.
class TestScreenDefinitions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyControlIsBuiltAsDefined_data();
    void everyControlIsBuiltAsDefined();
    void controlArraysAreAddressedByIndex();
    void numberBoxesTakeTwoCharacters();
    void fullScreenLabelsIgnoreClicks();
    void fontsFallBackToInstalledFaces_data();
    void fontsFallBackToInstalledFaces();
};

void TestScreenDefinitions::everyControlIsBuiltAsDefined_data()
{
    QTest::addColumn<QString>("screen");
    for (const QString &name : screenNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestScreenDefinitions::everyControlIsBuiltAsDefined()
{
    QFETCH(QString, screen);
    TestProgram t;
    const ScreenDefinition &definition = screenDefinition(screen);
    Screen built(definition, t.program());
    QCOMPARE(built.windowTitle(), definition.caption);
    QCOMPARE(built.clientSizeTwips(), definition.clientSize);
    built.show();
    for (const ControlDefinition &c : definition.controls) {
        const QString id = c.name + (c.index == NoIndex ? QString() : QStringLiteral("(%1)").arg(c.index));
        QObject *object = built.controlObject(c.name, c.index);
        QVERIFY2(object, qPrintable(id));
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget)
            continue; // a timer
        if (c.kind != ControlKind::Line)
            QCOMPARE(TwipsGeometry::rect(widget), c.rect);
        QVERIFY2(widget->isHidden() == c.hidden, qPrintable(id));
        QVERIFY2(widget->isEnabled() != c.disabled, qPrintable(id));
        if (auto *label = qobject_cast<Label *>(widget)) {
            QCOMPARE(label->text(), c.text);
            QCOMPARE(label->isTransparent(), c.transparent);
            QCOMPARE(label->isBordered(), c.bordered);
        } else if (auto *button = qobject_cast<CommandButton *>(widget)) {
            QCOMPARE(button->text(), c.text);
        } else if (auto *box = qobject_cast<TextBox *>(widget)) {
            QCOMPARE(box->text(), c.text);
        }
    }
}

void TestScreenDefinitions::controlArraysAreAddressedByIndex()
{
    TestProgram t;
    Screen proof(screenDefinition(Proof), t.program());
    auto *leftP = proof.control<Label>(QStringLiteral("Label4"), 1);
    auto *greenP = proof.control<Label>(QStringLiteral("Label4"), 2);
    QVERIFY(leftP && greenP && leftP != greenP);
    QCOMPARE(leftP->text(), greenP->text());
    QCOMPARE(greenP->foreColour(), QColor(0, 255, 0));
    QCOMPARE(proof.indexesOf(QStringLiteral("Line1")), (QList<int>{0, 1, 2, 3, 4}));
    QVERIFY(!proof.control<Label>(QStringLiteral("Label4")));     // the array needs an index
    QVERIFY(!proof.control<Label>(QStringLiteral("Label4"), 5));  // beyond the array
    QVERIFY(!proof.control<TextBox>(QStringLiteral("Label3")));   // of another kind

    // A new element copies element 0 as it is now, and starts hidden.
    Screen menu(screenDefinition(Menu), t.program());
    auto *first = menu.control<Label>(QStringLiteral("Label2"), 0);
    TwipsGeometry::setTop(first, 3000);
    auto *copy = qobject_cast<Label *>(menu.loadControl(QStringLiteral("Label2"), 1));
    QVERIFY(copy);
    QCOMPARE(TwipsGeometry::rect(copy), QRect(360, 3000, 5355, 495));
    QCOMPARE(copy->text(), first->text());
    QCOMPARE(copy->font(), first->font());
    QVERIFY(copy->isHidden());
    QVERIFY(!menu.loadControl(QStringLiteral("Label2"), 1)); // taken
    QVERIFY(!menu.loadControl(QStringLiteral("Label9"), 1)); // no element 0
}

void TestScreenDefinitions::numberBoxesTakeTwoCharacters()
{
    TestProgram t;
    Screen explorer(screenDefinition(Explorer), t.program());
    explorer.show();
    auto *box = explorer.control<TextBox>(QStringLiteral("Text2"), 0);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("123"));
    QCOMPARE(box->text(), QStringLiteral("12"));

    // The stellated page's boxes are never shown but keep their values.
    Screen page(screenDefinition(StellatedProblems), t.program());
    page.show();
    QCOMPARE(page.control<TextBox>(QStringLiteral("Text2"), 0)->text(), QStringLiteral("5"));
    QCOMPARE(page.control<TextBox>(QStringLiteral("Text2"), 1)->text(), QStringLiteral("2"));
    QVERIFY(!page.control<TextBox>(QStringLiteral("Text2"), 0)->isVisible());
}

void TestScreenDefinitions::fullScreenLabelsIgnoreClicks()
{
    TestProgram t;
    for (const auto &[screen, name] : {std::pair{TriangleProblems, QStringLiteral("Label2")}, std::pair{StellatedProblems, QStringLiteral("Label3")}}) {
        Screen page(screenDefinition(screen), t.program());
        page.show();
        auto *label = page.control<Label>(name);
        QVERIFY(label->isVisible());
        QVERIFY(!label->isEnabled());
        QSignalSpy clicks(label, &Label::clicked);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(clicks.count(), 0);
    }
}

void TestScreenDefinitions::fontsFallBackToInstalledFaces_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QStringList>("acceptable");
    QTest::newRow("Arial") << "Arial" << QStringList{"Arial", "Liberation Sans"};
    QTest::newRow("Times New Roman") << "Times New Roman" << QStringList{"Times New Roman", "Liberation Serif"};
    QTest::newRow("Tahoma") << "Tahoma" << QStringList{"Tahoma", "DejaVu Sans", "Verdana"};
}

void TestScreenDefinitions::fontsFallBackToInstalledFaces()
{
    QFETCH(QString, face);
    QFETCH(QStringList, acceptable);
    const QFont font = fontFor(FontSpec{face, 15.75, true}, QFont());
    const QFontInfo info(font);
    QVERIFY2(acceptable.contains(info.family()), qPrintable(info.family()));
    QCOMPARE(info.pointSizeF(), 15.75);
    QVERIFY(info.bold());
}

QTEST_MAIN(TestScreenDefinitions)
#include "tst_screendefinitions.moc"
