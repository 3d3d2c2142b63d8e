// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "jotter/penstate.h"
#include "jotter/pentip.h"
#include "support/datarow.h"

#include <QTest>

// The pen's rules, and a tablet pen's width, without the pad: the pad's own
// test only checks that its buttons and the pointer reach these.
class TestPenState : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The buttons pressed, in order (a number is that swatch); then the pen's
    // colour, width and the colour Write gives back.
    void buttonSequences_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("width");
        QTest::addColumn<QColor>("saved");
        const QColor maroon = qbColor(4), red = qbColor(12), yellow = Colours::Yellow, canvas = Colours::Canvas;
        addDataRow("fresh pen", "", yellow, 3, yellow);
        addDataRow("eraser", "4 erase", canvas, 30, maroon);
        addDataRow("write after erasing", "4 erase write", maroon, 3, maroon);
        addDataRow("clear after erasing", "4 erase clear", yellow, 3, maroon);
        addDataRow("swatch after erasing", "4 erase 12", red, 3, red);
        addDataRow("clear keeps the swatch", "4 clear", maroon, 3, maroon);
        // Erasing again must not remember the eraser, or Write would give an
        // invisible pen.
        addDataRow("erasing twice", "12 erase erase write", red, 3, red);
        addDataRow("flip while erasing", "0 erase flip", canvas, 30, Colours::Black);
    }
    void buttonSequences()
    {
        QFETCH(QString, presses);
        QFETCH(QColor, colour);
        const QHash<QString, void (PenState::*)()> buttons{{"erase", &PenState::erase},
                                                           {"write", &PenState::write},
                                                           {"clear", &PenState::clear},
                                                           {"flip", &PenState::flip}};
        PenState pen;
        for (const QString &press : presses.split(u' ', Qt::SkipEmptyParts))
            buttons.contains(press) ? (pen.*buttons.value(press))() : pen.swatch(press.toInt());
        QCOMPARE(pen.colour(), colour);
        QTEST(pen.width(), "width");
        QTEST(pen.savedColour(), "saved");
        // A tablet pen draws from half to twice as wide as the pen; its eraser
        // end, pressed hard, twice as wide as the eraser.
        QCOMPARE(PenTip::tablet(pen, 0, false).width, pen.width() / 2.0);
        QCOMPARE(PenTip::tablet(pen, 1, false).width, pen.width() * 2.0);
        QCOMPARE(PenTip::tablet(pen, 1, true).width, 60.0);
    }
};

QTEST_GUILESS_MAIN(TestPenState)
#include "tst_penstate.moc"
