// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "jotter/penstate.h"

#include <QTest>

// Button presses on the pad, applied to the pen in order.
enum class Press { Swatch0, Swatch4, Swatch12, Erase, Write, Clear, Flip };
Q_DECLARE_METATYPE(Press)
using Presses = QList<Press>;
Q_DECLARE_METATYPE(Presses)

namespace {

void apply(PenState &pen, const Presses &presses)
{
    for (Press p : presses) {
        switch (p) {
        case Press::Swatch0: pen.swatch(0); break;
        case Press::Swatch4: pen.swatch(4); break;
        case Press::Swatch12: pen.swatch(12); break;
        case Press::Erase: pen.erase(); break;
        case Press::Write: pen.write(); break;
        case Press::Clear: pen.clear(); break;
        case Press::Flip: pen.flip(); break;
        }
    }
}

} // namespace

class TestPenState : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsAsYellowPen();
    void buttonSequences_data();
    void buttonSequences();
    void neverRemembersTheEraser_data();
    void neverRemembersTheEraser();
    void clearAndFlipReturnToOrigin_data();
    void clearAndFlipReturnToOrigin();
    void onlyTheLeftButtonAloneDraws_data();
    void onlyTheLeftButtonAloneDraws();
    void segmentsFormAPolyline();
};

void TestPenState::startsAsYellowPen()
{
    const PenState pen;
    QCOMPARE(pen.colour(), QColor(255, 255, 0));
    QCOMPARE(pen.savedColour(), QColor(255, 255, 0));
    QCOMPARE(pen.width(), 3);
    QVERIFY(!pen.isErasing());
}

void TestPenState::buttonSequences_data()
{
    QTest::addColumn<Presses>("presses");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("width");
    QTest::addColumn<QColor>("saved");

    const QColor yellow(255, 255, 0), maroon(128, 0, 0), red(255, 0, 0), black(0, 0, 0), canvas(49, 135, 215);
    QTest::newRow("erase") << Presses{Press::Swatch4, Press::Erase} << canvas << 30 << maroon;
    QTest::newRow("erase, write") << Presses{Press::Swatch4, Press::Erase, Press::Write} << maroon << 3 << maroon;
    QTest::newRow("erase, clear") << Presses{Press::Swatch4, Press::Erase, Press::Clear} << yellow << 3 << maroon;
    QTest::newRow("erase, clear, write") << Presses{Press::Swatch4, Press::Erase, Press::Clear, Press::Write} << maroon << 3 << maroon;
    QTest::newRow("erase twice, write") << Presses{Press::Swatch12, Press::Erase, Press::Erase, Press::Write} << red << 3 << red;
    QTest::newRow("erase twice from start, write") << Presses{Press::Erase, Press::Erase, Press::Write} << yellow << 3 << yellow;
    QTest::newRow("flip while erasing") << Presses{Press::Swatch0, Press::Erase, Press::Flip} << canvas << 30 << black;
    QTest::newRow("flip while erasing, write") << Presses{Press::Swatch0, Press::Erase, Press::Flip, Press::Write} << black << 3 << black;
    QTest::newRow("flip keeps a palette pen") << Presses{Press::Swatch12, Press::Flip} << red << 3 << red;
    QTest::newRow("swatch while erasing") << Presses{Press::Swatch4, Press::Erase, Press::Swatch12} << red << 3 << red;
    QTest::newRow("clear keeps a palette pen") << Presses{Press::Swatch4, Press::Clear} << maroon << 3 << maroon;
    QTest::newRow("clear keeps black") << Presses{Press::Swatch0, Press::Clear} << black << 3 << black;
    QTest::newRow("write without erase") << Presses{Press::Swatch12, Press::Write} << red << 3 << red;
}

void TestPenState::buttonSequences()
{
    QFETCH(Presses, presses);
    QFETCH(QColor, colour);
    QFETCH(int, width);
    QFETCH(QColor, saved);

    PenState pen;
    apply(pen, presses);
    QCOMPARE(pen.colour(), colour);
    QCOMPARE(pen.width(), width);
    QCOMPARE(pen.savedColour(), saved);
    QCOMPARE(pen.isErasing(), colour == Colours::Canvas);
}

void TestPenState::neverRemembersTheEraser_data()
{
    QTest::addColumn<Presses>("presses");
    QTest::newRow("erase three times") << Presses{Press::Erase, Press::Erase, Press::Erase};
    QTest::newRow("erase, flip, erase") << Presses{Press::Swatch0, Press::Erase, Press::Flip, Press::Erase};
    QTest::newRow("erase, write, erase, erase") << Presses{Press::Swatch4, Press::Erase, Press::Write, Press::Erase, Press::Erase};
}

void TestPenState::neverRemembersTheEraser()
{
    // Whatever the pupil presses, "Write" hands back a pen that shows.
    QFETCH(Presses, presses);
    PenState pen;
    apply(pen, presses);
    QVERIFY(pen.savedColour() != Colours::Canvas);
    pen.write();
    QVERIFY(!pen.isErasing());
    QCOMPARE(pen.width(), 3);
}

void TestPenState::clearAndFlipReturnToOrigin_data()
{
    QTest::addColumn<Press>("press");
    QTest::newRow("clear") << Press::Clear;
    QTest::newRow("flip") << Press::Flip;
}

void TestPenState::clearAndFlipReturnToOrigin()
{
    QFETCH(Press, press);
    PenState pen;
    pen.moveTo(QPoint(1500, 900));
    apply(pen, {press});
    QCOMPARE(pen.currentPoint(), QPoint(0, 0));
    const std::optional<QLine> segment = pen.strokeTo(Qt::LeftButton, QPoint(300, 300));
    QVERIFY(segment);
    QCOMPARE(segment->p1(), QPoint(0, 0));
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
    // A move that draws nothing leaves the stroke's start where it was.
    QCOMPARE(pen.currentPoint(), draws ? QPoint(900, 600) : QPoint(150, 150));
    if (draws)
        QCOMPARE(*segment, QLine(QPoint(150, 150), QPoint(900, 600)));
}

void TestPenState::segmentsFormAPolyline()
{
    const QList<QPoint> path{{100, 100}, {400, 250}, {400, 900}, {30, 60}};
    PenState pen;
    pen.moveTo(path.first());
    for (qsizetype i = 1; i < path.size(); ++i) {
        const std::optional<QLine> segment = pen.strokeTo(Qt::LeftButton, path.at(i));
        QVERIFY(segment);
        QCOMPARE(segment->p1(), path.at(i - 1));
        QCOMPARE(segment->p2(), path.at(i));
    }
}

QTEST_GUILESS_MAIN(TestPenState)
#include "tst_penstate.moc"
