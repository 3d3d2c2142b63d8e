// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "jotter/penstate.h"
#include "support/datarow.h"

#include <QTest>

// The pen's rules, without the pad: the pad's own test only checks that its
// buttons and the pointer reach these.
class TestPenState : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buttonSequences_data()
    {
        // The buttons pressed, in order (a number is that swatch); then the
        // pen's colour, width and the colour Write gives back.
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("saved");
        addDataRow("fresh pen", "", "yellow", 3, "yellow");
        addDataRow("eraser", "4 erase", "canvas", 30, "maroon");
        addDataRow("write after erasing", "4 erase write", "maroon", 3, "maroon");
        addDataRow("clear after erasing", "4 erase clear", "yellow", 3, "maroon");
        addDataRow("swatch after erasing", "4 erase 12", "red", 3, "red");
        addDataRow("clear keeps the swatch", "4 clear", "maroon", 3, "maroon");
        // Erasing again must not remember the eraser, or Write would give an invisible pen.
        addDataRow("erasing twice", "12 erase erase write", "red", 3, "red");
        addDataRow("flip while erasing", "0 erase flip", "canvas", 30, "black");
    }
    void buttonSequences()
    {
        QFETCH(QString, presses);
        QFETCH(QString, colour);
        const QHash<QString, void (PenState::*)()> buttons{{"erase", &PenState::erase},
                                                           {"write", &PenState::write},
                                                           {"clear", &PenState::clear},
                                                           {"flip", &PenState::flip}};
        const QHash<QRgb, QString> names{{QColor(Colours::Yellow).rgb(), "yellow"},
                                         {qbColor(4).rgb(), "maroon"},
                                         {qbColor(12).rgb(), "red"},
                                         {QColor(Colours::Black).rgb(), "black"},
                                         {QColor(Colours::Canvas).rgb(), "canvas"}};
        PenState state;
        state.moveTo(QPoint(1500, 900));
        for (const QString &press : presses.split(u' ', Qt::SkipEmptyParts))
            buttons.contains(press) ? (state.*buttons.value(press))() : state.swatch(press.toInt());
        QCOMPARE(names.value(state.colour().rgb()), colour);
        QTEST(state.width(), "width");
        QTEST(names.value(state.savedColour().rgb()), "saved");
        QCOMPARE(state.isErasing(), colour == u"canvas");
        // Clear and Flip empty the canvas, so the next stroke starts at the origin.
        const bool restarted = presses.contains(QStringLiteral("clear")) || presses.contains(QStringLiteral("flip"));
        QCOMPARE(state.currentPoint(), restarted ? QPoint(0, 0) : QPoint(1500, 900));
    }
};

QTEST_GUILESS_MAIN(TestPenState)
#include "tst_penstate.moc"
