// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "jotter/padhistory.h"

#include "common/retainedsurface.h"

qsizetype PadHistory::Entry::bytes() const
{
    return before.sizeInBytes() + segments.size() * qsizetype(sizeof(Segment));
}

QRect PadHistory::draw(RetainedSurface &surface, const Segment &segment)
{
    if (!m_stroke) {
        // Shares the pixels until the first segment changes them; only the
        // part the stroke covers is kept when it ends.
        m_strokeBefore = surface.image();
        m_stroke = Entry();
    }
    const QRect touched = surface.line(segment.twips.p1(), segment.twips.p2(), segment.colour, segment.width);
    m_stroke->segments.append(segment);
    m_stroke->touched |= touched;
    return touched;
}

void PadHistory::endStroke()
{
    if (!m_stroke)
        return;
    Entry stroke = std::move(*m_stroke);
    m_stroke.reset();
    const qreal ratio = m_strokeBefore.devicePixelRatio();
    const QRect area = QRectF(QRectF(stroke.touched).topLeft() * ratio, QSizeF(stroke.touched.size()) * ratio)
                           .toAlignedRect()
                           .intersected(m_strokeBefore.rect());
    stroke.devicePixel = area.topLeft();
    stroke.before = m_strokeBefore.copy(area);
    m_strokeBefore = QImage();
    if (!area.isEmpty())
        push(std::move(stroke));
}

void PadHistory::wipe(const RetainedSurface &surface, Step step)
{
    endStroke();
    const bool bare = surface.isBlank();
    if (bare && step == Step::Clear)
        return;
    Entry entry;
    entry.step = step;
    if (!bare)
        entry.before = surface.image();
    push(std::move(entry));
}

void PadHistory::push(Entry entry)
{
    for (const Entry &dropped : m_undone)
        m_bytes -= dropped.bytes();
    m_undone.clear();
    m_bytes += entry.bytes();
    m_done.push_back(std::move(entry));
    while (m_done.size() > 1 && (int(m_done.size()) > MaxSteps || m_bytes > MaxBytes)) {
        m_bytes -= m_done.front().bytes();
        m_done.pop_front();
    }
}

std::optional<PadHistory::Step> PadHistory::nextUndo() const
{
    if (m_stroke)
        return Step::Stroke;
    return m_done.empty() ? std::nullopt : std::optional(m_done.back().step);
}

std::optional<PadHistory::Step> PadHistory::nextRedo() const
{
    return m_undone.empty() || m_stroke ? std::nullopt : std::optional(m_undone.back().step);
}

QRect PadHistory::undo(RetainedSurface &surface)
{
    endStroke();
    if (m_done.empty())
        return {};
    Entry entry = std::move(m_done.back());
    m_done.pop_back();
    const QRect changed =
        entry.step == Step::Stroke ? surface.restore(entry.devicePixel, entry.before) : surface.restore(entry.before);
    m_undone.push_back(std::move(entry));
    return changed;
}

QRect PadHistory::redo(RetainedSurface &surface)
{
    if (m_undone.empty() || m_stroke)
        return {};
    Entry entry = std::move(m_undone.back());
    m_undone.pop_back();
    QRect changed;
    if (entry.step == Step::Stroke) {
        for (const Segment &segment : std::as_const(entry.segments))
            changed |= surface.line(segment.twips.p1(), segment.twips.p2(), segment.colour, segment.width);
    } else {
        changed = surface.clear();
    }
    m_done.push_back(std::move(entry));
    return changed;
}
