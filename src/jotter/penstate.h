// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QColor>
#include <QLine>
#include <QPoint>
#include <optional>

// The Jotter's pen: its colour and width, the colour "Write" gives back and
// the point where the next stroke segment starts (in twips). The eraser is
// not a mode of its own: it is the pen in the canvas colour, drawn wide.
class PenState
{
public:
    static constexpr int PenWidth = 3;
    static constexpr int EraserWidth = 30;

    // A yellow pen, remembered as the colour to write with, at (0, 0).
    PenState();

    QColor colour() const { return m_colour; }
    int width() const { return m_width; }
    QColor savedColour() const { return m_savedColour; }
    QPoint currentPoint() const { return m_current; }
    bool isErasing() const;

    // A palette swatch: the pen takes colour index `index` of the sixteen.
    void swatch(int index);
    void erase();
    void write();
    void clear();
    void flip();

    // A mouse button went down: the next segment starts here.
    void moveTo(QPoint twips);
    // The pointer moved with `buttons` held. Only the left button alone
    // draws: the segment to draw is returned and its end becomes the
    // current point.
    std::optional<QLine> strokeTo(Qt::MouseButtons buttons, QPoint twips);

private:
    QColor m_colour;
    int m_width = PenWidth;
    QColor m_savedColour;
    QPoint m_current;
};
