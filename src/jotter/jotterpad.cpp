// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "jotter/jotterpad.h"

#include "common/colourtable.h"
#include "screens/commandbutton.h"
#include "screens/framebox.h"
#include "screens/label.h"
#include "screens/screencontext.h"
#include "screens/twipsgeometry.h"

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
    : DrawingScreen(screenDefinition(ScreenNames::Jotter), context)
{
    m_landscape = control<FrameBox>(QStringLiteral("Frame_landscape"));
    m_portrait = control<FrameBox>(QStringLiteral("Frame_portrait"));
    for (int i = 0; i < PaletteSize; ++i) {
        m_landscapeSwatches[i] = control<Label>(QStringLiteral("Label1"), i);
        m_portraitSwatches[i] = control<Label>(QStringLiteral("Label11"), i);
    }

    auto wire = [this](const char *name, void (JotterPad::*handler)()) {
        connect(control<CommandButton>(QLatin1String(name)), &CommandButton::clicked, this, handler);
    };
    wire("Command1", &JotterPad::Exit_Click);
    wire("Command9", &JotterPad::Exit_Click);
    wire("Command2", &JotterPad::Write_Click);
    wire("Command10", &JotterPad::Write_Click);
    wire("Command5", &JotterPad::Erase_Click);
    wire("Command8", &JotterPad::Erase_Click);
    wire("Command6", &JotterPad::Clear_Click);
    wire("Command7", &JotterPad::Clear_Click);
    wire("Command3", &JotterPad::Command3_Click);
    wire("Command4", &JotterPad::Command4_Click);
    for (int i = 0; i < PaletteSize; ++i) {
        connect(m_landscapeSwatches[i], &Label::clicked, this, [this, i] { Swatch_Click(i); });
        connect(m_portraitSwatches[i], &Label::clicked, this, [this, i] { Swatch_Click(i); });
    }
    m_work =
        std::make_unique<JotterWork>(*this,
                                     m_pen,
                                     JotterWork::Flips{[this] { Command3_Click(); }, [this] { Command4_Click(); }});
}

void JotterPad::Form_Load()
{
    setBackgroundColour(Colours::Canvas);
    m_portrait->setBackColour(Colours::Canvas);
    m_landscape->setBackColour(Colours::Canvas);

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

void JotterPad::Form_MouseDown(Qt::MouseButton, Qt::MouseButtons, QPoint twips)
{
    m_pen.moveTo(twips);
}

void JotterPad::Form_MouseMove(Qt::MouseButtons buttons, QPoint twips)
{
    if (const std::optional<QLine> segment = m_pen.strokeTo(buttons, twips))
        m_work->draw(QLineF(*segment), PenTip::mouse(m_pen));
}

void JotterPad::Exit_Click()
{
    context().screens().unload(this);
}

void JotterPad::Write_Click()
{
    m_pen.write();
}

void JotterPad::Erase_Click()
{
    m_pen.erase();
}

void JotterPad::Clear_Click()
{
    m_work->wiping(PadHistory::Step::Clear);
    clearDrawing();
    setBackgroundColour(Colours::Canvas);
    m_pen.clear();
}

void JotterPad::Command3_Click()
{
    m_work->wiping(PadHistory::Step::FlipToTall);
    clearDrawing();
    m_pen.flip();
    setOuterSizeTwips(PortraitOuterSize.width(), PortraitOuterSize.height());
    TwipsGeometry::setLeft(m_portrait,
                           outerWidthTwips() - TwipsGeometry::rect(m_portrait).width() - PortraitFrameMargin);
    m_landscape->hide();
    m_portrait->show();
}

void JotterPad::Command4_Click()
{
    m_work->wiping(PadHistory::Step::FlipToWide);
    clearDrawing();
    m_pen.flip();
    setOuterSizeTwips(LandscapeOuterSize.width(), LandscapeOuterSize.height());
    m_landscape->show();
    m_portrait->hide();
}

void JotterPad::Swatch_Click(int index)
{
    m_pen.swatch(index);
}
