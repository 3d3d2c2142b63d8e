// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/drawingscreen.h"

#include <array>

class TextBox;

// The stellated polygon explorer: draws {n/k} for two typed numbers, the
// number of edges in Text2(0) and the step in Text2(1). The figure lies on
// the window's own retained drawing, so it is there when the page is first
// shown and survives being covered.
class StarExplorer : public DrawingScreen
{
    Q_OBJECT
public:
    explicit StarExplorer(ScreenContext &context);

    void Form_Load() override;

protected:
    // The figure is drawn afresh at the new ratio rather than enlarged.
    void resolutionChanged() override;

private:
    // A key in number box `index`: any edit takes the figure away, Enter
    // corrects the pair and draws it. Returns the code to pass on to the box,
    // or 0 to discard the key.
    int typeIntoNumberBox(int index, int code);
    void openProblems();
    void exitToMenu();
    // Draws {n/k} for the numbers now in the boxes, over whatever is drawn.
    void drawStar();

    std::array<TextBox *, 2> m_numbers{};
};
