// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/colourtable.h"
#include "jotter/jotterwork.h"
#include "jotter/penstate.h"
#include "screens/drawingscreen.h"

#include <array>
#include <memory>

class FrameBox;
class Label;

// The Jotter: a scratch pad that floats beside a problems page. The pupil
// draws freehand on the window itself; two frames, one for the wide layout
// and one for the tall one, carry twin sets of buttons and palettes.
class JotterPad : public DrawingScreen
{
    Q_OBJECT
public:
    static constexpr int PaletteSize = ColourTableSize;

    explicit JotterPad(ScreenContext &context);

    void Form_Load() override;

    const PenState &pen() const { return m_pen; }
    // Undo, redo, save, copy and print, and the pen and touch input.
    JotterWork &work() { return *m_work; }

protected:
    // A press puts the pen down where it is; a move with the button held draws.
    void pointerPressed(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint twips) override;
    void pointerMoved(Qt::MouseButtons buttons, QPoint twips) override;

private:
    // Each handler serves both twins of a pair of buttons, one in each
    // layout, and both swatches of a colour.
    void closePad();
    void writeAgain();
    void startErasing();
    void clearPad();
    void turnTall();
    void turnWide();
    void chooseColour(int index);
    void layOutPalettes();

    FrameBox &m_landscape;
    FrameBox &m_portrait;
    std::array<Label *, PaletteSize> m_landscapeSwatches{};
    std::array<Label *, PaletteSize> m_portraitSwatches{};
    PenState m_pen;
    std::unique_ptr<JotterWork> m_work; // after the pen, which it draws with
};
