// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The pad's wiring: its buttons and swatches reach the pen (whose rules
// tst_penstate covers), strokes land on the canvas, both layouts keep their
// places and each opening starts afresh.
#include "common/colourtable.h"
#include "controls/commandbutton.h"
#include "controls/framebox.h"
#include "controls/label.h"
#include "controls/twipsgeometry.h"
#include "jotter/jotterpad.h"
#include "support/stroke.h"
#include "support/testprogram.h"

#include <QScopeGuard>
#include <QTest>
#include <QWindow>

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
            QCOMPARE(std::pair(pad->backgroundColour(), pad->pen().colour()),
                     std::pair(Colours::Canvas, Colours::Yellow));
            // Leave a coloured eraser, a mark and the tall layout behind.
            click(control<Label>("Label1", 4));
            click(control("Command5"));
            stroke(pad, {QPoint(100, 60), QPoint(300, 60)});
            click(control("Command3"));
            click(control("Command9"));
            TestProgram::settle();
            QVERIFY((pad = m_program->open<JotterPad>(ScreenNames::Jotter)));
        }
    }

    void swatchesButtonsAndStrokes()
    {
        for (bool tall : {false, true}) {
            if (tall)
                click(control("Command3"));
            for (int i = 0; i < JotterPad::PaletteSize; ++i) {
                // One row along the wide strip; two columns of eight in the tall frame.
                Label *swatch = control<Label>(tall ? "Label11" : "Label1", i);
                const QPoint place =
                    tall ? QPoint(i < 8 ? 180 : 580, 2820 + 290 * (i % 8)) : QPoint(5010 + 305 * i, 285);
                QCOMPARE(TwipsGeometry::rect(swatch), QRect(place, QSize(240, 240)));
                QCOMPARE(std::pair(swatch->backColour(), swatch->isTransparent()), std::pair(qbColor(i), false));
                click(swatch);
                QCOMPARE(pad->pen().colour(), qbColor(i));
            }
            // A stroke in the last swatch's colour, every segment of it; then Erase and
            // Write reach the pen from either set, the eraser painting the canvas colour.
            stroke(pad, {QPoint(30, 60), QPoint(90, 60), QPoint(150, 60)});
            QVERIFY(pad->drawing().colourAt(QPoint(60, 60) * 15) == qbColor(15) &&
                    pad->drawing().colourAt(QPoint(120, 60) * 15) == qbColor(15));
            click(control(tall ? "Command8" : "Command5"));
            QCOMPARE(pad->pen().colour(), Colours::Canvas);
            stroke(pad, {QPoint(60, 20), QPoint(60, 150)});
            QCOMPARE(pad->drawing().colourAt(QPoint(60, 60) * 15), Colours::Canvas);
            click(control(tall ? "Command10" : "Command2"));
            QCOMPARE(pad->pen().colour(), qbColor(JotterPad::PaletteSize - 1));
        }
    }

    // The pen draws while the left button alone is held, in either layout,
    // down to the lower part of the tall pad.
    void strokes_data()
    {
        QTest::addColumn<bool>("tall");
        QTest::addColumn<QList<Qt::MouseButton>>("pressed"); // in this order, held together
        QTest::addColumn<QPoint>("from");                    // pixels of the window
        QTest::addColumn<bool>("drawn");
        const QList<Qt::MouseButton> left{Qt::LeftButton};
        QTest::newRow("left button") << false << left << QPoint(30, 60) << true;
        QTest::newRow("right button") << false << QList{Qt::RightButton} << QPoint(30, 60) << false;
        QTest::newRow("middle button") << false << QList{Qt::MiddleButton} << QPoint(30, 60) << false;
        QTest::newRow("left, then right too")
            << false << QList{Qt::LeftButton, Qt::RightButton} << QPoint(30, 60) << false;
        QTest::newRow("middle, then left too")
            << false << QList{Qt::MiddleButton, Qt::LeftButton} << QPoint(30, 60) << false;
        QTest::newRow("tall pad, top") << true << left << QPoint(30, 40) << true;
        QTest::newRow("tall pad, lower part") << true << left << QPoint(30, 550) << true;
    }
    void strokes()
    {
        QFETCH(bool, tall);
        QFETCH(QList<Qt::MouseButton>, pressed);
        QFETCH(QPoint, from);
        QFETCH(bool, drawn);
        if (tall)
            click(control("Command3"));
        QWindow *window = pad->windowHandle();
        const QPoint to = from + QPoint(120, 0);
        for (Qt::MouseButton button : pressed)
            QTest::mousePress(window, button, {}, from);
        QTest::mouseMove(window, to);
        for (Qt::MouseButton button : pressed)
            QTest::mouseRelease(window, button, {}, to);
        QCOMPARE(pad->drawing().colourAt((from + to) / 2 * 15) == Colours::Yellow, drawn);
    }

    void clearAndFlipEmptyTheCanvas()
    {
        // Wide Clear, flip to tall, tall Clear, flip back, each after a fresh
        // stroke; each layout has a fixed outer size, frame included, of its own.
        for (const char *button : {"Command6", "Command3", "Command7", "Command4"}) {
            stroke(pad, {QPoint(30, 30), QPoint(150, 100)});
            click(control(button));
            QVERIFY2(pad->drawing().isBlank(), button);
            const bool tall = button == QLatin1String("Command3") || button == QLatin1String("Command7");
            QVERIFY(control<FrameBox>("Frame_landscape")->isVisible() != tall &&
                    control<FrameBox>("Frame_portrait")->isVisible() == tall);
            if (tall) // the tall frame sits by the right edge
                QCOMPARE(TwipsGeometry::rect(control<FrameBox>("Frame_portrait")), QRect(2885, 0, 1035, 5250));
            // The tall one, 800 pixels high, is moved up and shortened to the
            // display's 600: only its drawing area gives way.
            if (button != QLatin1String("Command6"))
                QCOMPARE(pad->frameGeometry(),
                         tall ? QRect(10, 0, 267, 600) : QRect(QPoint(150, 540) / 15, QSize(10005, 4140) / 15));
        }
    }

    // Where the pad does not fit the display's work area (panels left out) it
    // is moved in as little as will do, the tall one shortened only below its
    // controls; where it fits, or cannot fit at all, it stays at its place.
    void fitsTheWorkArea_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("wide"); // the outer rectangles after a flip, in pixels
        QTest::addColumn<QRect>("tall");
        const QRect wide(10, 36, 667, 276), tall(10, 36, 267, 800);
        QTest::newRow("1280x1024: fits") << QRect(0, 0, 1280, 1024) << wide << tall;
        QTest::newRow("1366x768 laptop") << QRect(0, 0, 1366, 768) << wide << QRect(10, 0, 267, 768);
        QTest::newRow("1024x768, panel below") << QRect(0, 0, 1024, 736) << wide << QRect(10, 0, 267, 736);
        QTest::newRow("1024x768, panel above") << QRect(0, 32, 1024, 736) << wide << QRect(10, 32, 267, 736);
        QTest::newRow("panel at the left")
            << QRect(48, 0, 976, 900) << QRect(48, 36, 667, 276) << QRect(48, 36, 267, 800);
        QTest::newRow("lower than the controls") << QRect(0, 0, 1024, 300) << QRect(10, 24, 667, 276) << tall;
        QTest::newRow("narrower than the wide pad") << QRect(0, 0, 640, 480) << wide << QRect(10, 0, 267, 480);
    }
    void fitsTheWorkArea()
    {
        QFETCH(QRect, area);
        QFETCH(QRect, wide);
        QFETCH(QRect, tall);
        WindowPlacement::setWorkArea(area);
        const auto platformsArea = qScopeGuard([] { WindowPlacement::setWorkArea(std::nullopt); });
        click(control("Command3"));
        QCOMPARE(pad->frameGeometry(), tall);
        QCOMPARE(TwipsGeometry::rect(control<FrameBox>("Frame_portrait")), QRect(2885, 0, 1035, 5250));
        click(control("Command4"));
        QCOMPARE(pad->frameGeometry(), wide);
    }

    // A panel that comes while the tall pad is drawn on shortens it; what lay
    // below the new edge is back when the panel goes.
    void aShortenedPadKeepsItsDrawing()
    {
        const auto platformsArea = qScopeGuard([] { WindowPlacement::setWorkArea(std::nullopt); });
        click(control("Command3"));
        stroke(pad, {QPoint(30, 500), QPoint(150, 500)});
        for (const int height : {400, 1024}) {
            WindowPlacement::setWorkArea(QRect(0, 0, 1024, height));
            pad->placement().refit();
        }
        QCOMPARE(pad->frameGeometry().height(), 800);
        QCOMPARE(pad->drawing().colourAt(QPoint(90, 500) * 15), Colours::Yellow);
    }
};

QTEST_MAIN(TestJotterPad)
#include "tst_jotterpad.moc"
