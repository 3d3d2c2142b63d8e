// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "jotter/jotterpad.h"
#include "screens/controls.h"
#include "screens/screenregistry.h"
#include "screens/twipsgeometry.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QWindow>

namespace {

const QColor Canvas(49, 135, 215);
const QColor Yellow(255, 255, 0);

QPoint twips(QPoint pixels)
{
    return pixels * 15;
}

void sendMove(QWidget *target, QPoint pixels, Qt::MouseButtons buttons)
{
    const QPointF local(pixels);
    QMouseEvent move(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

void sendPress(QWidget *target, QPoint pixels, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPointF local(pixels);
    QMouseEvent press(QEvent::MouseButtonPress, local, target->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

void sendRelease(QWidget *target, QPoint pixels, Qt::MouseButton button, Qt::MouseButtons buttonsLeft)
{
    const QPointF local(pixels);
    QMouseEvent release(QEvent::MouseButtonRelease, local, target->mapToGlobal(local), button, buttonsLeft, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

// Presses `button` at the first point, moves through the rest with `held`
// and lets go at the last.
void drag(QWidget *target, const QList<QPoint> &pixels, Qt::MouseButton button, Qt::MouseButtons held)
{
    sendPress(target, pixels.first(), button, held);
    for (qsizetype i = 1; i < pixels.size(); ++i)
        sendMove(target, pixels.at(i), held);
    sendRelease(target, pixels.last(), button, held & ~Qt::MouseButtons(button));
}

// A left-button drag delivered to the window as the window system would, so
// that the pressed widget keeps the pointer until the button is let go.
void windowDrag(QWidget *window, const QList<QPoint> &pixels)
{
    static int timestamp = 0;
    QWindow *handle = window->windowHandle();
    auto send = [&](QPoint at, Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type) {
        timestamp += 1000; // far apart, so no double clicks
        qt_handleMouseEvent(handle, QPointF(at), handle->mapToGlobal(at), state, button, type, Qt::NoModifier, timestamp);
    };
    send(pixels.first(), Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    for (qsizetype i = 1; i < pixels.size(); ++i)
        send(pixels.at(i), Qt::LeftButton, Qt::NoButton, QEvent::MouseMove);
    send(pixels.last(), Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
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
    for (int i = 0; i < length; ++i) {
        const QPoint p = across == Qt::Vertical ? QPoint(device.x(), i) : QPoint(i, device.y());
        sum += image.pixelColor(p).alphaF();
    }
    return sum / ratio;
}

void click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

} // namespace

class TestJotterPad : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void loadsAsWideTopmostPad();
    void palettePositions_data();
    void palettePositions();
    void flipsBetweenLayouts();
    void swatchesSetThePen_data();
    void swatchesSetThePen();
    void twinButtonsDoTheSame_data();
    void twinButtonsDoTheSame();

    void leftDragDrawsInPenColourAndWidth_data();
    void leftDragDrawsInPenColourAndWidth();
    void otherDragsDrawNothing_data();
    void otherDragsDrawNothing();
    void leftDragStartsWhereItIsPressed();
    void onlyPressesOnTheCanvasStartStrokes_data();
    void onlyPressesOnTheCanvasStartStrokes();
    void drawingShowsAndSurvivesRepaint();
    void clearAndFlipEmptyTheCanvas_data();
    void clearAndFlipEmptyTheCanvas();

    void oneJotterForBothPages();
    void closingDiscardsEverything_data();
    void closingDiscardsEverything();

private:
    JotterPad *openPad();

    std::unique_ptr<TestProgram> m_program;
};

void TestJotterPad::init()
{
    m_program = std::make_unique<TestProgram>();
}

void TestJotterPad::cleanup()
{
    m_program.reset();
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    TestProgram::settle();
}

JotterPad *TestJotterPad::openPad()
{
    m_program->screens().show(ScreenNames::Jotter);
    auto *pad = m_program->screen<JotterPad>(ScreenNames::Jotter);
    if (pad && !QTest::qWaitForWindowExposed(pad))
        return nullptr;
    return pad;
}

void TestJotterPad::loadsAsWideTopmostPad()
{
    JotterPad *pad = openPad();
    QVERIFY(pad);
    QVERIFY(pad->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(pad->isVisible());
    // Keeping it on top moves and resizes nothing.
    QCOMPARE(pad->pos(), QPoint(150, 540) / 15);
    QCOMPARE(pad->clientSizeTwips(), QSize(9915, 3660));
    QCOMPARE(pad->minimumSize(), pad->maximumSize());

    QCOMPARE(pad->backgroundColour(), Canvas);
    QCOMPARE(pad->control<FrameBox>("Frame_landscape")->backColour(), Canvas);
    QCOMPARE(pad->control<FrameBox>("Frame_portrait")->backColour(), Canvas);
    QVERIFY(pad->control<FrameBox>("Frame_landscape")->isVisible());
    QVERIFY(!pad->control<FrameBox>("Frame_portrait")->isVisible());
    QVERIFY(pad->drawing().isBlank());
    QCOMPARE(pad->pen().colour(), Yellow);
    QCOMPARE(pad->pen().savedColour(), Yellow);
    QCOMPARE(pad->pen().width(), 3);
}

void TestJotterPad::palettePositions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("expected");
    for (int i = 0; i < 16; ++i) {
        const QRect wide(5010 + 305 * i, 285, 240, 240);
        QTest::addRow("Label1(%d)", i) << QStringLiteral("Label1") << i << wide;
    }
    for (int i = 0; i < 16; ++i) {
        const QRect tall(i < 8 ? 180 : 580, 2820 + 290 * (i % 8), 240, 240);
        QTest::addRow("Label11(%d)", i) << QStringLiteral("Label11") << i << tall;
    }
}

void TestJotterPad::palettePositions()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRect, expected);

    JotterPad *pad = openPad();
    QVERIFY(pad);
    const Label *swatch = pad->control<Label>(name, index);
    QVERIFY(swatch);
    QCOMPARE(TwipsGeometry::rect(swatch), expected);
    QCOMPARE(swatch->backColour(), qbColor(index));
    QVERIFY(!swatch->isTransparent());
    QVERIFY(swatch->isVisibleTo(swatch->parentWidget()));
}

void TestJotterPad::flipsBetweenLayouts()
{
    JotterPad *pad = openPad();
    QVERIFY(pad);
    auto *wide = pad->control<FrameBox>("Frame_landscape");
    auto *tall = pad->control<FrameBox>("Frame_portrait");

    click(pad->control<CommandButton>("Command3"));
    QCOMPARE(pad->outerWidthTwips(), 4000);
    QCOMPARE(pad->outerHeightTwips(), 12000);
    QCOMPARE(TwipsGeometry::rect(tall), QRect(2885, 0, 1035, 5250));
    QVERIFY(tall->isVisible());
    QVERIFY(!wide->isVisible());
    QCOMPARE(pad->minimumSize(), pad->maximumSize());

    click(pad->control<CommandButton>("Command4"));
    QCOMPARE(pad->outerWidthTwips(), 10005);
    QCOMPARE(pad->outerHeightTwips(), 4140);
    QVERIFY(wide->isVisible());
    QVERIFY(!tall->isVisible());
    QCOMPARE(TwipsGeometry::rect(wide), QRect(0, 2910, 9920, 750));
    QCOMPARE(pad->minimumSize(), pad->maximumSize());
}

void TestJotterPad::swatchesSetThePen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("erasingFirst");
    QTest::newRow("wide palette, black") << QStringLiteral("Label1") << 0 << false;
    QTest::newRow("wide palette, white") << QStringLiteral("Label1") << 15 << false;
    QTest::newRow("wide palette while erasing") << QStringLiteral("Label1") << 9 << true;
    QTest::newRow("tall palette, navy") << QStringLiteral("Label11") << 1 << false;
    QTest::newRow("tall palette, right column") << QStringLiteral("Label11") << 12 << false;
    QTest::newRow("tall palette while erasing") << QStringLiteral("Label11") << 5 << true;
}

void TestJotterPad::swatchesSetThePen()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(bool, erasingFirst);

    JotterPad *pad = openPad();
    QVERIFY(pad);
    if (name == QLatin1String("Label11"))
        click(pad->control<CommandButton>("Command3"));
    if (erasingFirst) {
        click(pad->control<CommandButton>(name == QLatin1String("Label11") ? "Command8" : "Command5"));
        QVERIFY(pad->pen().isErasing());
    }
    click(pad->control<Label>(name, index));
    QCOMPARE(pad->pen().colour(), qbColor(index));
    QCOMPARE(pad->pen().savedColour(), qbColor(index));
    QCOMPARE(pad->pen().width(), 3);
}

void TestJotterPad::twinButtonsDoTheSame_data()
{
    QTest::addColumn<bool>("tall");
    QTest::newRow("wide set") << false;
    QTest::newRow("tall set") << true;
}

void TestJotterPad::twinButtonsDoTheSame()
{
    QFETCH(bool, tall);
    JotterPad *pad = openPad();
    QVERIFY(pad);
    if (tall)
        click(pad->control<CommandButton>("Command3"));
    auto button = [&](const char *wide, const char *narrow) { return pad->control<CommandButton>(tall ? narrow : wide); };

    click(pad->control<Label>(tall ? "Label11" : "Label1", 4));
    click(button("Command5", "Command8")); // Erase
    QCOMPARE(pad->pen().colour(), Canvas);
    QCOMPARE(pad->pen().width(), 30);
    click(button("Command5", "Command8")); // Erase again
    click(button("Command2", "Command10")); // Write
    QCOMPARE(pad->pen().colour(), qbColor(4));
    QCOMPARE(pad->pen().width(), 3);
    click(button("Command5", "Command8"));
    click(button("Command6", "Command7")); // Clear
    QCOMPARE(pad->pen().colour(), Yellow);
    QCOMPARE(pad->pen().width(), 3);
    QCOMPARE(pad->pen().savedColour(), qbColor(4));
    QCOMPARE(pad->backgroundColour(), Canvas);
}

void TestJotterPad::leftDragDrawsInPenColourAndWidth_data()
{
    QTest::addColumn<bool>("erase");
    QTest::addColumn<int>("swatch");
    QTest::addColumn<int>("width");
    QTest::newRow("yellow pen") << false << -1 << 3;
    QTest::newRow("red pen") << false << 12 << 3;
    QTest::newRow("black pen") << false << 0 << 3;
    QTest::newRow("eraser") << true << -1 << 30;
}

void TestJotterPad::leftDragDrawsInPenColourAndWidth()
{
    QFETCH(bool, erase);
    QFETCH(int, swatch);
    QFETCH(int, width);

    JotterPad *pad = openPad();
    QVERIFY(pad);
    if (swatch >= 0)
        click(pad->control<Label>("Label1", swatch));
    if (erase)
        click(pad->control<CommandButton>("Command5"));
    const QColor ink = pad->pen().colour();

    // A horizontal run then a vertical one, in several moves.
    drag(pad, {{100, 60}, {150, 60}, {220, 60}, {300, 60}, {300, 100}, {300, 150}}, Qt::LeftButton, Qt::LeftButton);

    for (int x = 100; x <= 300; x += 10)
        QCOMPARE(pad->drawing().colourAt(twips({x, 60})), ink);
    for (int y = 60; y <= 150; y += 10)
        QCOMPARE(pad->drawing().colourAt(twips({300, y})), ink);

    // Across the stroke the coverage adds up to the pen width.
    QCOMPARE(qRound(coverage(pad->drawing(), QPoint(200, 60), Qt::Vertical) * 10), width * 10);
    QCOMPARE(qRound(coverage(pad->drawing(), QPoint(300, 120), Qt::Horizontal) * 10), width * 10);
    // The turn's outer corner is filled, as round ends and joins do, so a
    // wide stroke leaves no notch where it changes direction.
    if (width > PenState::PenWidth) {
        const int d = width / 3;
        QVERIFY(pad->drawing().colourAt(twips({300 + d, 60 - d})).alpha() > 200);
    }
}

void TestJotterPad::otherDragsDrawNothing_data()
{
    QTest::addColumn<int>("pressed");
    QTest::addColumn<Qt::MouseButtons>("held");
    QTest::newRow("right drag") << int(Qt::RightButton) << Qt::MouseButtons(Qt::RightButton);
    QTest::newRow("middle drag") << int(Qt::MiddleButton) << Qt::MouseButtons(Qt::MiddleButton);
    QTest::newRow("left with right") << int(Qt::LeftButton) << (Qt::LeftButton | Qt::RightButton);
    QTest::newRow("right with left") << int(Qt::RightButton) << (Qt::LeftButton | Qt::RightButton);
    QTest::newRow("left with middle") << int(Qt::LeftButton) << (Qt::LeftButton | Qt::MiddleButton);
}

void TestJotterPad::otherDragsDrawNothing()
{
    QFETCH(int, pressed);
    QFETCH(Qt::MouseButtons, held);

    JotterPad *pad = openPad();
    QVERIFY(pad);
    drag(pad, {{50, 50}, {120, 80}, {200, 150}}, Qt::MouseButton(pressed), held);
    QVERIFY(pad->drawing().isBlank());
}

void TestJotterPad::leftDragStartsWhereItIsPressed()
{
    JotterPad *pad = openPad();
    QVERIFY(pad);

    // A click without movement leaves no mark.
    QTest::mouseClick(pad, Qt::LeftButton, {}, QPoint(80, 80));
    QVERIFY(pad->drawing().isBlank());
    // Nor does moving with no button held.
    QTest::mouseMove(pad, QPoint(200, 120));
    sendMove(pad, QPoint(220, 130), Qt::NoButton);
    QVERIFY(pad->drawing().isBlank());

    // A right drag moves the start; the left press moves it again.
    drag(pad, {{40, 40}, {60, 40}}, Qt::RightButton, Qt::RightButton);
    drag(pad, {{400, 100}, {500, 100}}, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(pad->drawing().colourAt(twips({450, 100})), Yellow);
    QCOMPARE(pad->drawing().colourAt(twips({200, 70})).alpha(), 0);
    QCOMPARE(pad->drawing().colourAt(twips({60, 40})).alpha(), 0);
    QCOMPARE(pad->drawing().colourAt(twips({390, 100})).alpha(), 0);
}

void TestJotterPad::onlyPressesOnTheCanvasStartStrokes_data()
{
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<bool>("draws");
    QTest::newRow("canvas") << QPoint(320, 100) << true;
    // The strip's empty stretch between the Flip button and the first swatch.
    QTest::newRow("wide frame") << QPoint(320, 204) << false;
    QTest::newRow("swatch") << QPoint(340, 214) << false;
}

void TestJotterPad::onlyPressesOnTheCanvasStartStrokes()
{
    QFETCH(QPoint, pressAt);
    QFETCH(bool, draws);

    JotterPad *pad = openPad();
    QVERIFY(pad);
    // Through the window, as the pointer would: the pressed widget keeps the
    // pointer while the button is held.
    windowDrag(pad, {pressAt, {320, 60}, {200, 60}});
    QCOMPARE(pad->drawing().colourAt(twips({250, 60})) == Yellow, draws);
    QCOMPARE(pad->drawing().isBlank(), !draws);
}

void TestJotterPad::drawingShowsAndSurvivesRepaint()
{
    JotterPad *pad = openPad();
    QVERIFY(pad);
    click(pad->control<Label>("Label1", 12));
    drag(pad, {{100, 60}, {300, 60}}, Qt::LeftButton, Qt::LeftButton);
    pad->hide();
    pad->show();
    QVERIFY(QTest::qWaitForWindowExposed(pad));
    const QImage shown = pad->grab().toImage();
    QCOMPARE(shown.pixelColor(QPoint(200, 60) * shown.devicePixelRatio()), QColor(255, 0, 0));
    QCOMPARE(shown.pixelColor(QPoint(200, 120) * shown.devicePixelRatio()), Canvas);
}

void TestJotterPad::clearAndFlipEmptyTheCanvas_data()
{
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("clear") << QStringList{"Command6"};
    QTest::newRow("flip to tall") << QStringList{"Command3"};
    QTest::newRow("tall clear") << QStringList{"Command3", "", "Command7"};
    QTest::newRow("flip back") << QStringList{"Command3", "", "Command4"};
}

void TestJotterPad::clearAndFlipEmptyTheCanvas()
{
    QFETCH(QStringList, buttons);
    JotterPad *pad = openPad();
    QVERIFY(pad);
    // An empty name stands for a stroke drawn at that step.
    drag(pad, {{30, 30}, {150, 100}}, Qt::LeftButton, Qt::LeftButton);
    for (const QString &name : std::as_const(buttons)) {
        if (name.isEmpty()) {
            drag(pad, {{30, 30}, {150, 100}}, Qt::LeftButton, Qt::LeftButton);
            QVERIFY(!pad->drawing().isBlank());
        } else {
            click(pad->control<CommandButton>(name));
        }
    }
    QVERIFY(pad->drawing().isBlank());
    QCOMPARE(pad->pen().currentPoint(), QPoint(0, 0));
    QCOMPARE(pad->backgroundColour(), Canvas);
}

void TestJotterPad::oneJotterForBothPages()
{
    JotterPad *pad = openPad();
    QVERIFY(pad);
    click(pad->control<Label>("Label1", 2));
    drag(pad, {{100, 60}, {300, 60}}, Qt::LeftButton, Qt::LeftButton);

    for (const QString &page : {ScreenNames::TriangleProblems, ScreenNames::StellatedProblems}) {
        m_program->screens().show(page);
        Screen *problems = m_program->screens().loaded(page);
        QVERIFY(problems);
        click(problems->control<CommandButton>("cmdjotter"));
        QCOMPARE(m_program->screen<JotterPad>(ScreenNames::Jotter), pad);
        QVERIFY(pad->isVisible());
        QCOMPARE(pad->drawing().colourAt(twips({200, 60})), qbColor(2));
        QCOMPARE(pad->pen().colour(), qbColor(2));
        m_program->screens().unload(page);
        TestProgram::settle();
    }
}

void TestJotterPad::closingDiscardsEverything_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("wide Exit") << QStringLiteral("Command1");
    QTest::newRow("tall Exit") << QStringLiteral("Command9");
    QTest::newRow("window closed") << QString();
    QTest::newRow("lesson left") << QStringLiteral("cmdexit");
}

void TestJotterPad::closingDiscardsEverything()
{
    QFETCH(QString, how);
    Screen *page = nullptr;
    if (how == QLatin1String("cmdexit")) {
        m_program->screens().show(ScreenNames::TriangleProblems);
        page = m_program->screens().loaded(ScreenNames::TriangleProblems);
        QVERIFY(page);
    }
    JotterPad *pad = openPad();
    QVERIFY(pad);
    click(pad->control<Label>("Label1", 4));
    click(pad->control<CommandButton>("Command5"));
    drag(pad, {{100, 60}, {300, 60}}, Qt::LeftButton, Qt::LeftButton);
    if (how == QLatin1String("Command9"))
        click(pad->control<CommandButton>("Command3"));

    QPointer<JotterPad> old(pad);
    if (how.isEmpty())
        pad->close();
    else if (page)
        click(page->control<CommandButton>(how));
    else
        click(pad->control<CommandButton>(how));
    QVERIFY(!m_program->screens().isLoaded(ScreenNames::Jotter));
    TestProgram::settle();
    QVERIFY(old.isNull());

    JotterPad *fresh = openPad();
    QVERIFY(fresh);
    QVERIFY(fresh->drawing().isBlank());
    QCOMPARE(fresh->pen().colour(), Yellow);
    QCOMPARE(fresh->pen().savedColour(), Yellow);
    QCOMPARE(fresh->pen().width(), 3);
    QVERIFY(fresh->control<FrameBox>("Frame_landscape")->isVisible());
    QVERIFY(!fresh->control<FrameBox>("Frame_portrait")->isVisible());
    QCOMPARE(fresh->clientSizeTwips(), QSize(9915, 3660));
}

QTEST_MAIN(TestJotterPad)
#include "tst_jotterpad.moc"
