// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "jotter/penstate.h"

#include <QTest>

// The pen's rules, without the pad: the pad's own test only checks that its
// buttons and the pointer reach these.
class TestPenState : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buttonSequences_data()
    {
        // Each row's name is the buttons pressed, in order (a number is that
        // swatch); then the pen's colour, width and the colour Write gives back.
        QTest::addColumn<QString>("pen");
        QTest::newRow("") << "yellow 3 yellow";
        QTest::newRow("4 erase") << "canvas 30 maroon";
        QTest::newRow("4 erase write") << "maroon 3 maroon";
        QTest::newRow("4 erase clear") << "yellow 3 maroon";
        QTest::newRow("4 erase 12") << "red 3 red";
        QTest::newRow("4 clear") << "maroon 3 maroon";
        // Erasing again must not remember the eraser, or Write would give an invisible pen.
        QTest::newRow("12 erase erase write") << "red 3 red";
        QTest::newRow("0 erase flip") << "canvas 30 black";
    }
    void buttonSequences()
    {
        QFETCH(QString, pen);
        const QHash<QString, void (PenState::*)()> buttons{{"erase", &PenState::erase},
                                                           {"write", &PenState::write},
                                                           {"clear", &PenState::clear},
                                                           {"flip", &PenState::flip}};
        const QHash<QRgb, QString> names{{QColor(Colours::Yellow).rgb(), "yellow"},
                                         {qbColor(4).rgb(), "maroon"},
                                         {qbColor(12).rgb(), "red"},
                                         {QColor(Colours::Black).rgb(), "black"},
                                         {QColor(Colours::Canvas).rgb(), "canvas"}};
        const QString presses = QString::fromLatin1(QTest::currentDataTag());
        PenState state;
        state.moveTo(QPoint(1500, 900));
        for (const QString &press : presses.split(u' ', Qt::SkipEmptyParts))
            buttons.contains(press) ? (state.*buttons.value(press))() : state.swatch(press.toInt());
        QCOMPARE(QStringList({names.value(state.colour().rgb()),
                              QString::number(state.width()),
                              names.value(state.savedColour().rgb())})
                     .join(u' '),
                 pen);
        QCOMPARE(state.isErasing(), pen.startsWith(u"canvas"));
        // Clear and Flip empty the canvas, so the next stroke starts at the origin.
        const bool restarted = presses.contains(QStringLiteral("clear")) || presses.contains(QStringLiteral("flip"));
        QCOMPARE(state.currentPoint(), restarted ? QPoint(0, 0) : QPoint(1500, 900));
    }
};

QTEST_GUILESS_MAIN(TestPenState)
#include "tst_penstate.moc"
