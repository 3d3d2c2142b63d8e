// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "jotter/jotterpad.h"
#include "screens/controls.h"
#include "screens/screenregistry.h"
#include "screens/twipsgeometry.h"
#include "support/testprogram.h"

#include <QPointer>
#include <QPolygon>
#include <QTest>
#include <QWindow>

// The pad's wiring: its buttons, swatches and pointer reach the pen (whose
// rules tst_penstate covers), strokes land on the canvas, and each opening
// starts afresh.

namespace {

const QColor Canvas(49, 135, 215);
const QColor Yellow(255, 255, 0);

void click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

// Presses `button` at the first point, moves through the rest with `held`
// and lets go of everything at the last. Delivered to the window as the
// window system would, so the pressed widget keeps the pointer throughout.
void drag(QWidget *window, const QPolygon &path, Qt::MouseButton button = Qt::LeftButton, Qt::MouseButtons held = Qt::LeftButton)
{
    static ulong timestamp = 0;
    QWindow *handle = window->windowHandle();
    auto send = [&](QPoint at, Qt::MouseButtons state, Qt::MouseButton which, QEvent::Type type) {
        timestamp += 1000; // far apart, so no double clicks
        qt_handleMouseEvent(handle, QPointF(at), handle->mapToGlobal(at), state, which, type, Qt::NoModifier, timestamp);
    };
    send(path.first(), held, button, QEvent::MouseButtonPress);
    for (qsizetype i = 1; i < path.size(); ++i)
        send(path.at(i), held, Qt::NoButton, QEvent::MouseMove);
    const Qt::MouseButtons rest = held & ~Qt::MouseButtons(button);
    send(path.last(), rest, button, QEvent::MouseButtonRelease);
    if (rest != Qt::NoButton)
        send(path.last(), Qt::NoButton, Qt::MouseButton(rest.toInt()), QEvent::MouseButtonRelease);
}

// How many device-independent pixels of ink lie on the line through `at`
// across a stroke running the other way, partly covered pixels counting in part.
double coverage(const RetainedSurface &surface, QPoint at, Qt::Orientation across)
{
    const QImage &image = surface.image();
    const qreal ratio = surface.devicePixelRatio();
    const QPoint device = (QPointF(at) * ratio).toPoint();
    double sum = 0;
    const int length = across == Qt::Vertical ? image.height() : image.width();
    for (int i = 0; i < length; ++i)
        sum += image.pixelColor(across == Qt::Vertical ? QPoint(device.x(), i) : QPoint(i, device.y())).alphaF();
    return sum / ratio;
}

} // namespace

class TestJotterPad : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        m_program.reset();
        TestProgram::settle();
    }
    void opensFresh_data();
    void opensFresh();
    void buttonsReachThePen_data();
    void buttonsReachThePen();
    void leftDragsDrawInThePensColourAndWidth();
    void otherPressesDrawNothing_data();
    void otherPressesDrawNothing();
    void clearAndFlipEmptyTheCanvas_data();
    void clearAndFlipEmptyTheCanvas();

private:
    JotterPad *openPad();
    std::unique_ptr<TestProgram> m_program;
};

JotterPad *TestJotterPad::openPad()
{
    m_program->screens().show(ScreenNames::Jotter);
    auto *pad = m_program->screen<JotterPad>(ScreenNames::Jotter);
    return pad && QTest::qWaitForWindowExposed(pad) ? pad : nullptr;
}

void TestJotterPad::opensFresh_data()
{
    // How the pad before went; the first opening has none before it.
    QTest::addColumn<QString>("closedBy");
    QTest::newRow("first opening") << QString();
    QTest::newRow("wide Exit") << QStringLiteral("Command1");
    QTest::newRow("tall Exit") << QStringLiteral("Command9");
}

void TestJotterPad::opensFresh()
{
    QFETCH(QString, closedBy);
    JotterPad *pad = openPad();
    QVERIFY(pad);
    if (!closedBy.isEmpty()) {
        // Leave a coloured eraser, a mark and the tall layout behind.
        click(pad->control<Label>("Label1", 4));
        click(pad->control<CommandButton>("Command5"));
        drag(pad, {QPoint(100, 60), QPoint(300, 60)});
        if (closedBy != u"Command1")
            click(pad->control<CommandButton>("Command3"));
        QPointer<JotterPad> old(pad);
        click(pad->control<CommandButton>(closedBy));
        QVERIFY(!m_program->screens().isLoaded(ScreenNames::Jotter));
        TestProgram::settle();
        QVERIFY(old.isNull());
        pad = openPad();
        QVERIFY(pad);
    }

    // Keeping it on top moves and resizes nothing.
    QVERIFY(pad->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(pad->pos(), QPoint(150, 540) / 15);
    QCOMPARE(pad->clientSizeTwips(), QSize(9915, 3660));
    QVERIFY(pad->control<FrameBox>("Frame_landscape")->isVisible());
    for (const QColor &back : {pad->backgroundColour(), pad->control<FrameBox>("Frame_landscape")->backColour(),
                               pad->control<FrameBox>("Frame_portrait")->backColour()})
        QCOMPARE(back, Canvas);
    QVERIFY(pad->drawing().isBlank());
    QCOMPARE(pad->pen().colour(), Yellow);
    QCOMPARE(pad->pen().width(), PenState::PenWidth);
}

void TestJotterPad::buttonsReachThePen_data()
{
    QTest::addColumn<bool>("tall");
    QTest::newRow("wide set") << false;
    QTest::newRow("tall set") << true;
}

void TestJotterPad::buttonsReachThePen()
{
    QFETCH(bool, tall);
    JotterPad *pad = openPad();
    QVERIFY(pad);
    if (tall)
        click(pad->control<CommandButton>("Command3"));
    auto press = [&](const char *wide, const char *narrow) { click(pad->control<CommandButton>(tall ? narrow : wide)); };

    for (int i = 0; i < JotterPad::PaletteSize; ++i) {
        // One row along the wide strip; two columns of eight in the tall frame.
        Label *swatch = pad->control<Label>(tall ? "Label11" : "Label1", i);
        const QPoint place = tall ? QPoint(i < 8 ? 180 : 580, 2820 + 290 * (i % 8)) : QPoint(5010 + 305 * i, 285);
        QCOMPARE(TwipsGeometry::rect(swatch), QRect(place, QSize(240, 240)));
        QCOMPARE(swatch->backColour(), qbColor(i));
        QVERIFY(!swatch->isTransparent());
        click(swatch);
        QCOMPARE(pad->pen().colour(), qbColor(i));
    }
    click(pad->control<Label>(tall ? "Label11" : "Label1", 4));
    press("Command5", "Command8"); // Erase
    QVERIFY(pad->pen().isErasing());
    press("Command2", "Command10"); // Write
    QCOMPARE(pad->pen().colour(), qbColor(4));
    press("Command5", "Command8");
    press("Command6", "Command7"); // Clear: an eraser becomes the yellow pen
    QCOMPARE(pad->pen().colour(), Yellow);
}

void TestJotterPad::leftDragsDrawInThePensColourAndWidth()
{
    JotterPad *pad = openPad();
    QVERIFY(pad);
    click(pad->control<Label>("Label1", 12));
    drag(pad, {QPoint(100, 60), QPoint(200, 60), QPoint(300, 60)});
    QCOMPARE(pad->drawing().colourAt(QPoint(150, 60) * 15), qbColor(12));
    QCOMPARE(pad->drawing().colourAt(QPoint(250, 60) * 15), qbColor(12));
    // Exactly one stroke crosses here, the pen's width: the first segment
    // began at the press, not at the origin.
    QCOMPARE(qRound(coverage(pad->drawing(), QPoint(150, 60), Qt::Vertical) * 10), PenState::PenWidth * 10);

    // The eraser paints the canvas colour, wide, down across the red line and
    // then along below it.
    click(pad->control<CommandButton>("Command5"));
    drag(pad, {QPoint(200, 20), QPoint(200, 150), QPoint(300, 150)});
    QCOMPARE(pad->drawing().colourAt(QPoint(200, 60) * 15), Canvas);
    QCOMPARE(qRound(coverage(pad->drawing(), QPoint(200, 110), Qt::Horizontal) * 10), PenState::EraserWidth * 10);
    // The turn's outer corner is filled, as round ends and joins do, so a
    // wide stroke leaves no notch where it changes direction.
    QVERIFY(pad->drawing().colourAt(QPoint(190, 160) * 15).alpha() > 200);
}

void TestJotterPad::otherPressesDrawNothing_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::MouseButtons>("held");
    QTest::addColumn<QPolygon>("path");
    const Qt::MouseButtons left(Qt::LeftButton);
    const QPolygon path{QPoint(320, 100), QPoint(320, 60), QPoint(200, 60)};
    QTest::newRow("left click") << Qt::LeftButton << left << QPolygon{QPoint(250, 60)};
    QTest::newRow("right drag") << Qt::RightButton << Qt::MouseButtons(Qt::RightButton) << path;
    QTest::newRow("left with right held") << Qt::LeftButton << (Qt::LeftButton | Qt::RightButton) << path;
    // Left drags onto the canvas from the strip's empty stretch between the
    // Flip button and the first swatch, and from a swatch.
    QTest::newRow("pressed on the wide frame") << Qt::LeftButton << left << QPolygon{QPoint(320, 204), QPoint(320, 60), QPoint(200, 60)};
    QTest::newRow("pressed on a swatch") << Qt::LeftButton << left << QPolygon{QPoint(340, 214), QPoint(320, 60), QPoint(200, 60)};
}

void TestJotterPad::otherPressesDrawNothing()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::MouseButtons, held);
    QFETCH(QPolygon, path);
    JotterPad *pad = openPad();
    QVERIFY(pad);
    drag(pad, path, button, held);
    QVERIFY(pad->drawing().isBlank());
}

void TestJotterPad::clearAndFlipEmptyTheCanvas_data()
{
    QTest::addColumn<QStringList>("buttons"); // pressed in turn, each after a fresh stroke
    QTest::addColumn<QSize>("flippedTo");     // the outer size after the last flip, if any
    QTest::newRow("wide Clear") << QStringList{"Command6"} << QSize();
    QTest::newRow("flip to tall") << QStringList{"Command3"} << QSize(4000, 12000);
    QTest::newRow("tall Clear") << QStringList{"Command3", "Command7"} << QSize(4000, 12000);
    QTest::newRow("flip back") << QStringList{"Command3", "Command4"} << QSize(10005, 4140);
}

void TestJotterPad::clearAndFlipEmptyTheCanvas()
{
    QFETCH(QStringList, buttons);
    QFETCH(QSize, flippedTo);
    JotterPad *pad = openPad();
    QVERIFY(pad);
    for (const QString &name : std::as_const(buttons)) {
        drag(pad, {QPoint(30, 30), QPoint(150, 100)});
        QVERIFY(!pad->drawing().isBlank());
        click(pad->control<CommandButton>(name));
    }
    QVERIFY(pad->drawing().isBlank());
    QCOMPARE(pad->pen().currentPoint(), QPoint(0, 0));

    // Each layout has a fixed size of its own; the tall one's frame sits by the right edge.
    const bool tall = flippedTo.height() > flippedTo.width();
    auto *wide = pad->control<FrameBox>("Frame_landscape");
    auto *narrow = pad->control<FrameBox>("Frame_portrait");
    QCOMPARE(wide->isVisible(), !tall);
    QCOMPARE(narrow->isVisible(), tall);
    if (tall)
        QCOMPARE(TwipsGeometry::rect(narrow), QRect(2885, 0, 1035, 5250));
    if (flippedTo.isValid())
        QCOMPARE(QSize(pad->outerWidthTwips(), pad->outerHeightTwips()), flippedTo);
    QCOMPARE(pad->minimumSize(), pad->maximumSize());
}

QTEST_MAIN(TestJotterPad)
#include "tst_jotterpad.moc"
