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
    void Form_MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint twips) override;
    void Form_MouseMove(Qt::MouseButtons buttons, QPoint twips) override;

private:
    // Each handler serves both twins of a pair: Command1/9, 2/10, 5/8, 6/7
    // and the swatches Label1(i)/Label11(i).
    void Exit_Click();
    void Write_Click();
    void Erase_Click();
    void Clear_Click();
    void Command3_Click(); // flip to the tall layout
    void Command4_Click(); // flip to the wide layout
    void Swatch_Click(int index);
    void layOutPalettes();

    FrameBox *m_landscape = nullptr;
    FrameBox *m_portrait = nullptr;
    std::array<Label *, PaletteSize> m_landscapeSwatches{};
    std::array<Label *, PaletteSize> m_portraitSwatches{};
    PenState m_pen;
    std::unique_ptr<JotterWork> m_work; // after the pen, which it draws with
};
