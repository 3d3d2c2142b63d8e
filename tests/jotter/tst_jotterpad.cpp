// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The pad's wiring: its buttons and swatches reach the pen (whose rules
// tst_penstate covers), strokes land on the canvas, both layouts keep their
// places and each opening starts afresh.
#include "common/colourtable.h"
#include "jotter/jotterpad.h"
#include "screens/commandbutton.h"
#include "screens/framebox.h"
#include "screens/label.h"
#include "screens/twipsgeometry.h"
#include "support/testprogram.h"

#include <QTest>
#include <QWindow>

namespace {

void click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

// A left-button drag through the points, sent to the window as the window
// system would, so the pressed widget keeps the pointer.
void drag(QWidget *pad, const QList<QPoint> &path)
{
    QTest::mousePress(pad->windowHandle(), Qt::LeftButton, {}, path.first());
    for (QPoint at : path.mid(1))
        QTest::mouseMove(pad->windowHandle(), at);
    QTest::mouseRelease(pad->windowHandle(), Qt::LeftButton, {}, path.last());
}

// Device-independent pixels of ink down the column through x, partly covered pixels in part.
double inkDown(const RetainedSurface &surface, int x)
{
    double sum = 0;
    for (int y = 0; y < surface.image().height(); ++y)
        sum += surface.image().pixelColor(qRound(x * surface.devicePixelRatio()), y).alphaF();
    return sum / surface.devicePixelRatio();
}

} // namespace

class TestJotterPad : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestProgram> m_program;
    JotterPad *pad = nullptr;

    template<class T = CommandButton>
    T *control(const char *name, int index = -1)
    {
        return pad->control<T>(QString::fromLatin1(name), index);
    }

private Q_SLOTS:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        QVERIFY((pad = m_program->open<JotterPad>(ScreenNames::Jotter)));
    }
    void cleanup() { m_program.reset(); }

    void opensFresh()
    {
        for (int opening = 0; opening < 2; ++opening) {
            // Keeping it on top moves and resizes nothing.
            QVERIFY(pad->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            QCOMPARE(QRect(pad->pos() * 15, pad->clientSizeTwips()), QRect(150, 540, 9915, 3660));
            QVERIFY(control<FrameBox>("Frame_landscape")->isVisible() && pad->drawing().isBlank());
            QCOMPARE(std::tuple(pad->backgroundColour(),
                                control<FrameBox>("Frame_landscape")->backColour(),
                                control<FrameBox>("Frame_portrait")->backColour(),
                                pad->pen().colour(),
                                pad->pen().width()),
                     std::tuple(Colours::Canvas, Colours::Canvas, Colours::Canvas, Colours::Yellow, 3));
            // Leave a coloured eraser, a mark and the tall layout behind.
            click(control<Label>("Label1", 4));
            click(control("Command5"));
            drag(pad, {QPoint(100, 60), QPoint(300, 60)});
            click(control("Command3"));
            click(control("Command9"));
            TestProgram::settle();
            QVERIFY((pad = m_program->open<JotterPad>(ScreenNames::Jotter)));
        }
    }

    void swatchesAndButtons_data()
    {
        QTest::addColumn<bool>("tall");
        QTest::newRow("wide set") << false;
        QTest::newRow("tall set") << true;
    }
    void swatchesAndButtons()
    {
        QFETCH(bool, tall);
        if (tall)
            click(control("Command3"));
        for (int i = 0; i < JotterPad::PaletteSize; ++i) {
            // One row along the wide strip; two columns of eight in the tall frame.
            Label *swatch = control<Label>(tall ? "Label11" : "Label1", i);
            const QPoint place = tall ? QPoint(i < 8 ? 180 : 580, 2820 + 290 * (i % 8)) : QPoint(5010 + 305 * i, 285);
            QCOMPARE(TwipsGeometry::rect(swatch), QRect(place, QSize(240, 240)));
            QCOMPARE(std::pair(swatch->backColour(), swatch->isTransparent()), std::pair(qbColor(i), false));
            click(swatch);
            QCOMPARE(pad->pen().colour(), qbColor(i));
        }
        // Erase and Write reach the pen from either set; Clear and Flip are below.
        click(control(tall ? "Command8" : "Command5"));
        QCOMPARE(pad->pen().colour(), Colours::Canvas);
        click(control(tall ? "Command10" : "Command2"));
        QCOMPARE(pad->pen().colour(), qbColor(JotterPad::PaletteSize - 1));
    }

    void dragsDrawInThePensColourAndWidth()
    {
        // A click, and a drag onto the canvas from the strip's empty stretch
        // between Flip and the first swatch, draw nothing.
        drag(pad, {QPoint(250, 60)});
        drag(pad, {QPoint(320, 204), QPoint(320, 60), QPoint(200, 60)});
        QVERIFY(pad->drawing().isBlank());
        click(control<Label>("Label1", 12));
        drag(pad, {QPoint(100, 60), QPoint(200, 60), QPoint(300, 60)});
        QCOMPARE(
            std::pair(pad->drawing().colourAt(QPoint(150, 60) * 15), pad->drawing().colourAt(QPoint(250, 60) * 15)),
            std::pair(qbColor(12), qbColor(12)));
        // The eraser paints the canvas colour, wide, down across the red line
        // and then along below it; the turn's outer corner is filled.
        click(control("Command5"));
        drag(pad, {QPoint(200, 20), QPoint(200, 150), QPoint(300, 150)});
        QCOMPARE(pad->drawing().colourAt(QPoint(200, 60) * 15), Colours::Canvas);
        QVERIFY(pad->drawing().colourAt(QPoint(190, 160) * 15).alpha() > 200);
        // One pen's width crosses here, where the first segment began at the
        // press, not at the origin; and one of the pen and one of the eraser here.
        QCOMPARE(std::pair(qRound(inkDown(pad->drawing(), 150) * 10), qRound(inkDown(pad->drawing(), 250) * 10)),
                 std::pair(30, 330));
    }

    void clearAndFlipEmptyTheCanvas()
    {
        // Wide Clear, flip to tall, tall Clear, flip back, each after a fresh
        // stroke; each layout has a fixed outer size, frame included, of its own.
        for (const char *button : {"Command6", "Command3", "Command7", "Command4"}) {
            drag(pad, {QPoint(30, 30), QPoint(150, 100)});
            QVERIFY(!pad->drawing().isBlank());
            click(control(button));
            QVERIFY2(pad->drawing().isBlank(), button);
            const bool tall = button == QLatin1String("Command3") || button == QLatin1String("Command7");
            QCOMPARE(std::pair(control<FrameBox>("Frame_landscape")->isVisible(),
                               control<FrameBox>("Frame_portrait")->isVisible()),
                     std::pair(!tall, tall));
            if (tall) // the tall frame sits by the right edge
                QCOMPARE(TwipsGeometry::rect(control<FrameBox>("Frame_portrait")), QRect(2885, 0, 1035, 5250));
            const QSize size = tall ? QSize(4000, 12000) : QSize(10005, 4140);
            if (button != QLatin1String("Command6"))
                QCOMPARE(pad->frameGeometry(), QRect(QPoint(150, 540) / 15, size / 15));
            QCOMPARE(pad->minimumSize(), pad->maximumSize());
        }
    }
};

QTEST_MAIN(TestJotterPad)
#include "tst_jotterpad.moc"
