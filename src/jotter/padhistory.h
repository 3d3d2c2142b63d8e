// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QRect>
#include <deque>
#include <optional>
#include <vector>

class RetainedSurface;

// The Jotter's undo and redo, stroke by stroke. Each step keeps the pixels
// it drew over, so undoing it is one copy of those pixels however much is on
// the pad; a stroke is redone by drawing its segments again, a wipe by
// wiping. A Clear or a Flip keeps the whole drawing it wiped.
class PadHistory
{
public:
    enum class Step { Stroke, Clear, FlipToTall, FlipToWide };
    struct Segment
    {
        QLineF twips;
        QColor colour;
        qreal width;
    };

    // The bound: the last 100 steps, and no more pixels than 32 MiB hold
    // (a whole pad at twice the resolution is 2.6 to 3.4 MB, a written word
    // some 20 kB). The newest step is always kept.
    static constexpr int MaxSteps = 100;
    static constexpr qsizetype MaxBytes = qsizetype(32) * 1024 * 1024;

    // Draws a segment and adds it to the stroke being drawn, starting one
    // when none is.
    QRect draw(RetainedSurface &surface, const Segment &segment);
    // The button, pen or finger is lifted: the stroke is one step.
    void endStroke();
    // The surface is about to be wiped. Clearing a bare pad is no step.
    void wipe(const RetainedSurface &surface, Step step);

    std::optional<Step> nextUndo() const;
    std::optional<Step> nextRedo() const;
    // Each returns the area it changed. A flip's layout is the caller's to
    // change first: the drawing it gives back has that layout's size.
    QRect undo(RetainedSurface &surface);
    QRect redo(RetainedSurface &surface);

    int undoCount() const { return int(m_done.size()); }
    int redoCount() const { return int(m_undone.size()); }
    // What the kept pixels and segments take.
    qsizetype bytes() const { return m_bytes; }

private:
    struct Entry
    {
        Step step = Step::Stroke;
        QPoint devicePixel; // where `before` came from
        QImage before;      // null: the pad was bare
        QList<Segment> segments;
        QRect touched;
        qsizetype bytes() const;
    };

    void push(Entry entry);

    std::deque<Entry> m_done;    // oldest first
    std::vector<Entry> m_undone; // the next to redo last
    std::optional<Entry> m_stroke;
    QImage m_strokeBefore;
    qsizetype m_bytes = 0;
};
