// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "jotter/penstate.h"

#include <QHash>
#include <QTest>

// The pen's rules, without the pad: the pad's own test only checks that its
// buttons and the pointer reach these.
class TestPenState : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buttonSequences_data()
    {
        // Each row's name is the buttons pressed, in order; a number is that
        // swatch. The first row presses nothing.
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("width");
        QTest::addColumn<QColor>("saved");
        const QColor yellow = Colours::Yellow, maroon = qbColor(4), red = qbColor(12), black = Colours::Black;
        const QColor canvas = Colours::Canvas;
        QTest::newRow("") << yellow << 3 << yellow;
        QTest::newRow("4 erase") << canvas << 30 << maroon;
        QTest::newRow("4 erase write") << maroon << 3 << maroon;
        QTest::newRow("4 erase clear") << yellow << 3 << maroon;
        QTest::newRow("4 erase 12") << red << 3 << red;
        QTest::newRow("4 clear") << maroon << 3 << maroon;
        // Erasing again must not remember the eraser, or Write would give an invisible pen.
        QTest::newRow("12 erase erase write") << red << 3 << red;
        QTest::newRow("0 erase flip") << canvas << 30 << black;
    }
    void buttonSequences()
    {
        QFETCH(QColor, colour);
        QFETCH(int, width);
        QFETCH(QColor, saved);
        const QHash<QString, void (PenState::*)()> buttons{{"erase", &PenState::erase},
                                                           {"write", &PenState::write},
                                                           {"clear", &PenState::clear},
                                                           {"flip", &PenState::flip}};
        const QString presses = QString::fromLatin1(QTest::currentDataTag());
        PenState pen;
        pen.moveTo(QPoint(1500, 900));
        for (const QString &press : presses.split(u' ', Qt::SkipEmptyParts)) {
            bool number = false;
            const int index = press.toInt(&number);
            QVERIFY2(number || buttons.contains(press), qPrintable(press));
            number ? pen.swatch(index) : (pen.*buttons.value(press))();
        }
        QCOMPARE(std::tuple(pen.colour(), pen.width(), pen.savedColour(), pen.isErasing()),
                 std::tuple(colour, width, saved, colour == Colours::Canvas));
        // Clear and Flip empty the canvas, so the next stroke starts at the origin.
        const bool restarted = presses.contains(QStringLiteral("clear")) || presses.contains(QStringLiteral("flip"));
        QCOMPARE(pen.currentPoint(), restarted ? QPoint(0, 0) : QPoint(1500, 900));
    }

    void onlyTheLeftButtonAloneDraws_data()
    {
        QTest::addColumn<Qt::MouseButtons>("buttons");
        QTest::addColumn<bool>("draws");
        QTest::newRow("left") << Qt::MouseButtons(Qt::LeftButton) << true;
        QTest::newRow("none") << Qt::MouseButtons(Qt::NoButton) << false;
        QTest::newRow("right") << Qt::MouseButtons(Qt::RightButton) << false;
        QTest::newRow("left and right") << (Qt::LeftButton | Qt::RightButton) << false;
    }
    void onlyTheLeftButtonAloneDraws()
    {
        QFETCH(Qt::MouseButtons, buttons);
        QFETCH(bool, draws);
        PenState pen;
        pen.moveTo(QPoint(150, 150));
        const std::optional<QLine> segment = pen.strokeTo(buttons, QPoint(900, 600));
        QCOMPARE(segment, draws ? std::optional(QLine(150, 150, 900, 600)) : std::nullopt);
        // The next segment starts where a drawn one ended; a move that draws
        // nothing leaves the start where it was.
        QCOMPARE(pen.strokeTo(Qt::LeftButton, QPoint(30, 60))->p1(), draws ? QPoint(900, 600) : QPoint(150, 150));
    }
};

QTEST_GUILESS_MAIN(TestPenState)
#include "tst_penstate.moc"
