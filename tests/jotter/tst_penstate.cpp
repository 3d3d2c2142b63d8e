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
    void buttonSequences_data();
    void buttonSequences();
    void onlyTheLeftButtonAloneDraws_data();
    void onlyTheLeftButtonAloneDraws();
};

void TestPenState::buttonSequences_data()
{
    // Each row's name is the buttons pressed, in order; a number is that
    // swatch. The first row presses nothing.
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("width");
    QTest::addColumn<QColor>("saved");
    const QColor yellow(255, 255, 0), maroon(128, 0, 0), red(255, 0, 0), black(0, 0, 0), canvas(49, 135, 215);
    QTest::newRow("") << yellow << 3 << yellow;
    QTest::newRow("4 erase") << canvas << 30 << maroon;
    QTest::newRow("4 erase write") << maroon << 3 << maroon;
    QTest::newRow("4 erase clear") << yellow << 3 << maroon;
    QTest::newRow("4 erase clear write") << maroon << 3 << maroon;
    QTest::newRow("4 erase 12") << red << 3 << red;
    QTest::newRow("4 clear") << maroon << 3 << maroon;
    // Erasing again must not remember the eraser, or Write would give an invisible pen.
    QTest::newRow("12 erase erase write") << red << 3 << red;
    QTest::newRow("erase erase erase write") << yellow << 3 << yellow;
    QTest::newRow("0 erase flip") << canvas << 30 << black;
    QTest::newRow("0 erase flip erase write") << black << 3 << black;
    QTest::newRow("12 flip") << red << 3 << red;
}

void TestPenState::buttonSequences()
{
    QFETCH(QColor, colour);
    QFETCH(int, width);
    QFETCH(QColor, saved);
    const QHash<QString, void (PenState::*)()> buttons{{QStringLiteral("erase"), &PenState::erase}, {QStringLiteral("write"), &PenState::write},
                                                      {QStringLiteral("clear"), &PenState::clear}, {QStringLiteral("flip"), &PenState::flip}};
    const QString presses = QString::fromLatin1(QTest::currentDataTag());
    PenState pen;
    pen.moveTo(QPoint(1500, 900));
    for (const QString &press : presses.split(u' ', Qt::SkipEmptyParts)) {
        bool number = false;
        const int index = press.toInt(&number);
        if (number)
            pen.swatch(index);
        else if (const auto button = buttons.value(press))
            (pen.*button)();
        else
            QFAIL(qPrintable(QStringLiteral("unknown button ") + press));
    }
    QCOMPARE(pen.colour(), colour);
    QCOMPARE(pen.width(), width);
    QCOMPARE(pen.savedColour(), saved);
    QCOMPARE(pen.isErasing(), colour == Colours::Canvas);
    // Clear and Flip empty the canvas, so the next stroke starts at the origin.
    const bool restarted = presses.contains(QStringLiteral("clear")) || presses.contains(QStringLiteral("flip"));
    QCOMPARE(pen.currentPoint(), restarted ? QPoint(0, 0) : QPoint(1500, 900));
}

void TestPenState::onlyTheLeftButtonAloneDraws_data()
{
    QTest::addColumn<Qt::MouseButtons>("buttons");
    QTest::addColumn<bool>("draws");
    QTest::newRow("left") << Qt::MouseButtons(Qt::LeftButton) << true;
    QTest::newRow("none") << Qt::MouseButtons(Qt::NoButton) << false;
    QTest::newRow("right") << Qt::MouseButtons(Qt::RightButton) << false;
    QTest::newRow("middle") << Qt::MouseButtons(Qt::MiddleButton) << false;
    QTest::newRow("left and right") << (Qt::LeftButton | Qt::RightButton) << false;
    QTest::newRow("left and middle") << (Qt::LeftButton | Qt::MiddleButton) << false;
}

void TestPenState::onlyTheLeftButtonAloneDraws()
{
    QFETCH(Qt::MouseButtons, buttons);
    QFETCH(bool, draws);
    PenState pen;
    pen.moveTo(QPoint(150, 150));
    const std::optional<QLine> segment = pen.strokeTo(buttons, QPoint(900, 600));
    QCOMPARE(segment.has_value(), draws);
    QVERIFY(!draws || *segment == QLine(150, 150, 900, 600));
    // The next segment starts where a drawn one ended; a move that draws
    // nothing leaves the start where it was.
    QCOMPARE(pen.strokeTo(Qt::LeftButton, QPoint(30, 60)).value_or(QLine()).p1(), draws ? QPoint(900, 600) : QPoint(150, 150));
}

QTEST_GUILESS_MAIN(TestPenState)
#include "tst_penstate.moc"
