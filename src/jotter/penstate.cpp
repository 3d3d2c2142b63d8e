// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "jotter/penstate.h"

#include "common/colourtable.h"

namespace {
constexpr int StartColour = 14; // yellow
}

PenState::PenState()
    : m_colour(qbColor(StartColour))
    , m_savedColour(m_colour)
{
}

bool PenState::isErasing() const
{
    return m_colour == Colours::Canvas;
}

void PenState::swatch(int index)
{
    m_width = PenWidth;
    m_colour = qbColor(index);
    m_savedColour = m_colour;
}

void PenState::erase()
{
    // Erasing twice must not remember the eraser itself, or "Write" would
    // hand back an invisible pen.
    if (!isErasing())
        m_savedColour = m_colour;
    m_colour = Colours::Canvas;
    m_width = EraserWidth;
}

void PenState::write()
{
    m_colour = m_savedColour;
    m_width = PenWidth;
}

void PenState::clear()
{
    m_current = QPoint(0, 0);
    if (isErasing())
        m_colour = qbColor(StartColour);
    m_width = PenWidth;
}

void PenState::flip()
{
    m_current = QPoint(0, 0);
}

void PenState::moveTo(QPoint twips)
{
    m_current = twips;
}

std::optional<QLine> PenState::strokeTo(Qt::MouseButtons buttons, QPoint twips)
{
    if (buttons != Qt::LeftButton)
        return std::nullopt;
    const QLine segment(m_current, twips);
    m_current = twips;
    return segment;
}
