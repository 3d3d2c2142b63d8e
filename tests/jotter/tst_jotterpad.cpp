// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "jotter/jotterpad.h"
#include "screens/commandbutton.h"
#include "screens/framebox.h"
#include "screens/label.h"
#include "screens/twipsgeometry.h"
#include "support/testprogram.h"

#include <QPolygon>
#include <QTest>
#include <QWindow>

// The pad's wiring: its buttons, swatches and pointer reach the pen (whose
// rules tst_penstate covers), strokes land on the canvas, and each opening
// starts afresh.

namespace {

void click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

// Presses the left button (with the right held, if asked) at the first
// point, moves through the rest and lets go at the last. Sent to the window,
// as the window system would, so the pressed widget keeps the pointer.
void drag(QWidget *pad, const QPolygon &path, bool rightHeld = false)
{
    QWindow *window = pad->windowHandle();
    if (rightHeld)
        QTest::mousePress(window, Qt::RightButton, {}, path.first());
    QTest::mousePress(window, Qt::LeftButton, {}, path.first());
    for (QPoint at : path.mid(1))
        QTest::mouseMove(window, at);
    QTest::mouseRelease(window, Qt::LeftButton, {}, path.last());
    if (rightHeld)
        QTest::mouseRelease(window, Qt::RightButton, {}, path.last());
}

// How many device-independent pixels of ink lie on the line through `at`
// across a stroke running the other way, partly covered pixels counting in part.
double coverage(const RetainedSurface &surface, QPoint at, Qt::Orientation across)
{
    const QImage &image = surface.image();
    const QPoint device = (QPointF(at) * surface.devicePixelRatio()).toPoint();
    const bool vertical = across == Qt::Vertical;
    double sum = 0;
    for (int i = 0; i < (vertical ? image.height() : image.width()); ++i)
        sum += image.pixelColor(vertical ? QPoint(device.x(), i) : QPoint(i, device.y())).alphaF();
    return sum / surface.devicePixelRatio();
}

} // namespace

class TestJotterPad : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestProgram> m_program;
    JotterPad *pad = nullptr;

    JotterPad *openPad() { return pad = m_program->open<JotterPad>(ScreenNames::Jotter); }

private Q_SLOTS:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        QVERIFY(openPad());
    }
    void cleanup() { m_program.reset(); }

    void opensFresh()
    {
        for (int opening = 0; opening < 2; ++opening) {
            // Keeping it on top moves and resizes nothing.
            QVERIFY(pad->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            QCOMPARE(QRect(pad->pos() * 15, pad->clientSizeTwips()), QRect(150, 540, 9915, 3660));
            QVERIFY(pad->control<FrameBox>("Frame_landscape")->isVisible());
            QCOMPARE(std::tuple(pad->backgroundColour(),
                                pad->control<FrameBox>("Frame_landscape")->backColour(),
                                pad->control<FrameBox>("Frame_portrait")->backColour()),
                     std::tuple(Colours::Canvas, Colours::Canvas, Colours::Canvas));
            QVERIFY(pad->drawing().isBlank());
            QCOMPARE(std::pair(pad->pen().colour(), pad->pen().width()),
                     std::pair(Colours::Yellow, PenState::PenWidth));
            // Leave a coloured eraser, a mark and the tall layout behind.
            click(pad->control<Label>("Label1", 4));
            click(pad->control<CommandButton>("Command5"));
            drag(pad, {QPoint(100, 60), QPoint(300, 60)});
            click(pad->control<CommandButton>("Command3"));
            click(pad->control<CommandButton>("Command9"));
            TestProgram::settle();
            QVERIFY(openPad());
        }
    }

    void buttonsReachThePen_data()
    {
        QTest::addColumn<bool>("tall");
        QTest::newRow("wide set") << false;
        QTest::newRow("tall set") << true;
    }
    void buttonsReachThePen()
    {
        QFETCH(bool, tall);
        if (tall)
            click(pad->control<CommandButton>("Command3"));
        for (int i = 0; i < JotterPad::PaletteSize; ++i) {
            // One row along the wide strip; two columns of eight in the tall frame.
            Label *swatch = pad->control<Label>(tall ? "Label11" : "Label1", i);
            const QPoint place = tall ? QPoint(i < 8 ? 180 : 580, 2820 + 290 * (i % 8)) : QPoint(5010 + 305 * i, 285);
            QCOMPARE(TwipsGeometry::rect(swatch), QRect(place, QSize(240, 240)));
            QCOMPARE(std::pair(swatch->backColour(), swatch->isTransparent()), std::pair(qbColor(i), false));
            click(swatch);
            QCOMPARE(pad->pen().colour(), qbColor(i));
        }
        // From swatch 4: Erase, Write gives it back, Erase, Clear gives the yellow pen.
        click(pad->control<Label>(tall ? "Label11" : "Label1", 4));
        for (const auto &[twins, colour] : {std::pair{"Command5 Command8", Colours::Canvas},
                                            {"Command2 Command10", qbColor(4)},
                                            {"Command5 Command8", Colours::Canvas},
                                            {"Command6 Command7", Colours::Yellow}}) {
            click(pad->control<CommandButton>(QString::fromLatin1(twins).section(u' ', tall, tall)));
            QCOMPARE(pad->pen().colour(), colour);
        }
    }

    void leftDragsDrawInThePensColourAndWidth()
    {
        click(pad->control<Label>("Label1", 12));
        drag(pad, {QPoint(100, 60), QPoint(200, 60), QPoint(300, 60)});
        QCOMPARE(
            std::pair(pad->drawing().colourAt(QPoint(150, 60) * 15), pad->drawing().colourAt(QPoint(250, 60) * 15)),
            std::pair(qbColor(12), qbColor(12)));
        // Exactly one stroke crosses here, the pen's width: the first segment
        // began at the press, not at the origin.
        QCOMPARE(qRound(coverage(pad->drawing(), QPoint(150, 60), Qt::Vertical) * 10), PenState::PenWidth * 10);

        // The eraser paints the canvas colour, wide, down across the red line
        // and then along below it.
        click(pad->control<CommandButton>("Command5"));
        drag(pad, {QPoint(200, 20), QPoint(200, 150), QPoint(300, 150)});
        QCOMPARE(pad->drawing().colourAt(QPoint(200, 60) * 15), Colours::Canvas);
        QCOMPARE(qRound(coverage(pad->drawing(), QPoint(200, 110), Qt::Horizontal) * 10), PenState::EraserWidth * 10);
        // The turn's outer corner is filled, as round ends and joins do, so a
        // wide stroke leaves no notch where it changes direction.
        QVERIFY(pad->drawing().colourAt(QPoint(190, 160) * 15).alpha() > 200);
    }

    void otherPressesDrawNothing()
    {
        // A click; a drag with the right button held as well; a drag onto the
        // canvas from the strip's empty stretch between Flip and the first swatch.
        drag(pad, {QPoint(250, 60)});
        QVERIFY(pad->drawing().isBlank());
        drag(pad, {QPoint(320, 100), QPoint(320, 60), QPoint(200, 60)}, true);
        QVERIFY(pad->drawing().isBlank());
        drag(pad, {QPoint(320, 204), QPoint(320, 60), QPoint(200, 60)});
        QVERIFY(pad->drawing().isBlank());
    }

    void clearAndFlipEmptyTheCanvas()
    {
        // Wide Clear, flip to tall, tall Clear, flip back, each after a fresh
        // stroke; each layout has a fixed outer size of its own.
        const QList<std::pair<const char *, QSize>> presses{{"Command6", {}},
                                                            {"Command3", {4000, 12000}},
                                                            {"Command7", {4000, 12000}},
                                                            {"Command4", {10005, 4140}}};
        for (const auto &[button, size] : presses) {
            drag(pad, {QPoint(30, 30), QPoint(150, 100)});
            QVERIFY(!pad->drawing().isBlank());
            click(pad->control<CommandButton>(button));
            QVERIFY2(pad->drawing().isBlank(), button);
            QCOMPARE(pad->pen().currentPoint(), QPoint(0, 0));
            const bool tall = size.height() > size.width();
            QCOMPARE(std::pair(pad->control<FrameBox>("Frame_landscape")->isVisible(),
                               pad->control<FrameBox>("Frame_portrait")->isVisible()),
                     std::pair(!tall, tall));
            if (tall) // the tall frame sits by the right edge
                QCOMPARE(TwipsGeometry::rect(pad->control<FrameBox>("Frame_portrait")), QRect(2885, 0, 1035, 5250));
            // The outer size is the whole window's, frame included; the place stays.
            if (size.isValid())
                QCOMPARE(QSize(pad->outerWidthTwips(), pad->outerHeightTwips()), size);
            QCOMPARE(pad->frameGeometry().topLeft(), QPoint(150, 540) / 15);
            if (size.isValid())
                QCOMPARE(pad->frameGeometry().size(), size / 15);
            QCOMPARE(pad->minimumSize(), pad->maximumSize());
        }
    }
};

QTEST_MAIN(TestJotterPad)
#include "tst_jotterpad.moc"
