// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "jotter/jotterpad.h"

#include "common/colourtable.h"
#include "controls/commandbutton.h"
#include "controls/framebox.h"
#include "controls/label.h"
#include "controls/twipsgeometry.h"
#include "jotter/jotterrows.h"
#include "screens/screencontext.h"

namespace {

constexpr int LandscapeSwatchTop = 285;
constexpr int LandscapeSwatchStep = 305;
constexpr int PortraitSwatchGap = 50;
constexpr int PortraitColumnStep = 400;
constexpr int PortraitRows = 8;
// Room left between the tall layout's frame and the window's right edge.
constexpr int PortraitFrameMargin = 80;

constexpr QSize PortraitOuterSize(4000, 12000);
constexpr QSize LandscapeOuterSize(10005, 4140);

} // namespace

JotterPad::JotterPad(ScreenContext &context)
    : DrawingScreen(jotterPadDefinition(), context)
    , m_landscape(take<FrameBox>(QStringLiteral("Frame_landscape")))
    , m_portrait(take<FrameBox>(QStringLiteral("Frame_portrait")))
{
    // The wide layout's button first, then its tall twin.
    const std::pair<const char *, void (JotterPad::*)()> buttons[]{
        {"Command1", &JotterPad::closePad},
        {"Command9", &JotterPad::closePad},
        {"Command2", &JotterPad::writeAgain},
        {"Command10", &JotterPad::writeAgain},
        {"Command5", &JotterPad::startErasing},
        {"Command8", &JotterPad::startErasing},
        {"Command6", &JotterPad::clearPad},
        {"Command7", &JotterPad::clearPad},
        {"Command3", &JotterPad::turnTall},
        {"Command4", &JotterPad::turnWide},
    };
    for (const auto &[name, handler] : buttons)
        wire(QLatin1String(name), &CommandButton::clicked, handler);
    for (int i = 0; i < PaletteSize; ++i) {
        m_landscapeSwatches[i] = &take<Label>(QStringLiteral("Label1"), i);
        m_portraitSwatches[i] = &take<Label>(QStringLiteral("Label11"), i);
        const auto choose = [this, i] { chooseColour(i); };
        wire(QStringLiteral("Label1"), i, &Label::clicked, choose);
        wire(QStringLiteral("Label11"), i, &Label::clicked, choose);
    }
    m_work =
        std::make_unique<JotterWork>(*this, m_pen, JotterWork::Flips{[this] { turnTall(); }, [this] { turnWide(); }});
}

void JotterPad::Form_Load()
{
    setBackgroundColour(Colours::Canvas);
    m_portrait.setBackColour(Colours::Canvas);
    m_landscape.setBackColour(Colours::Canvas);

    // Above every other window. Changing the flags of a shown window hides
    // it, so this happens now, before the window is first shown.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);

    for (int i = 0; i < PaletteSize; ++i) {
        for (Label *swatch : {m_landscapeSwatches[i], m_portraitSwatches[i]}) {
            swatch->setBackColour(qbColor(i));
            swatch->setTransparent(false);
            swatch->setAccessibleName(colourName(i));
            swatch->setToolTip(colourName(i));
        }
    }
    layOutPalettes();
    // Every load starts with a yellow pen, also remembered for "Write".
    m_pen = PenState();
}

void JotterPad::layOutPalettes()
{
    // A single row along the wide layout's strip.
    const QRect first = TwipsGeometry::rect(m_landscapeSwatches[0]);
    for (int i = 1; i < PaletteSize; ++i) {
        const QRect previous = TwipsGeometry::rect(m_landscapeSwatches[i - 1]);
        TwipsGeometry::setRect(
            m_landscapeSwatches[i],
            QRect(previous.left() + LandscapeSwatchStep, LandscapeSwatchTop, first.width(), first.height()));
    }

    // Two columns of eight in the tall layout, colour i beside colour i + 8.
    const QRect top = TwipsGeometry::rect(m_portraitSwatches[0]);
    for (int i = 1; i < PortraitRows; ++i) {
        const QRect above = TwipsGeometry::rect(m_portraitSwatches[i - 1]);
        TwipsGeometry::setRect(
            m_portraitSwatches[i],
            QRect(top.left(), above.top() + top.height() + PortraitSwatchGap, top.width(), top.height()));
    }
    for (int i = PortraitRows; i < PaletteSize; ++i) {
        const QRect beside = TwipsGeometry::rect(m_portraitSwatches[i - PortraitRows]);
        TwipsGeometry::setRect(m_portraitSwatches[i],
                               QRect(beside.left() + PortraitColumnStep, beside.top(), top.width(), top.height()));
    }
}

void JotterPad::pointerPressed(Qt::MouseButton, Qt::MouseButtons, QPoint twips)
{
    m_pen.moveTo(twips);
}

void JotterPad::pointerMoved(Qt::MouseButtons buttons, QPoint twips)
{
    if (const std::optional<QLine> segment = m_pen.strokeTo(buttons, twips))
        m_work->draw(QLineF(*segment), PenTip::mouse(m_pen));
}

void JotterPad::closePad()
{
    context().screens().unload(this);
}

void JotterPad::writeAgain()
{
    m_pen.write();
}

void JotterPad::startErasing()
{
    m_pen.erase();
}

void JotterPad::clearPad()
{
    m_work->wiping(PadHistory::Step::Clear);
    clearDrawing();
    setBackgroundColour(Colours::Canvas);
    m_pen.clear();
}

void JotterPad::turnTall()
{
    m_work->wiping(PadHistory::Step::FlipToTall);
    clearDrawing();
    m_pen.flip();
    // On a display too low for the whole pad only the drawing area below the
    // buttons and palette gives way.
    const QRect controls = TwipsGeometry::rect(&m_portrait);
    placement().setShortestClientHeight(controls.top() + controls.height());
    placement().setOuterSize(PortraitOuterSize.width(), PortraitOuterSize.height());
    TwipsGeometry::setLeft(&m_portrait,
                           placement().outerWidth() - TwipsGeometry::rect(&m_portrait).width() - PortraitFrameMargin);
    m_landscape.hide();
    m_portrait.show();
}

void JotterPad::turnWide()
{
    m_work->wiping(PadHistory::Step::FlipToWide);
    clearDrawing();
    m_pen.flip();
    // The strip of controls runs along the bottom: nothing may give way.
    placement().setShortestClientHeight(std::nullopt);
    placement().setOuterSize(LandscapeOuterSize.width(), LandscapeOuterSize.height());
    m_landscape.show();
    m_portrait.hide();
}

void JotterPad::chooseColour(int index)
{
    m_pen.swatch(index);
}
