// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "jotter/drawingfinger.h"

#include <algorithm>

DrawingFinger::Result DrawingFinger::update(const QList<QEventPoint> &points)
{
    m_ended = false;
    const bool allUp = std::all_of(points.cbegin(), points.cend(), [](const QEventPoint &point) {
        return point.state() == QEventPoint::Released;
    });
    Result result;
    if (points.size() > 1 && !m_blocked) {
        m_blocked = true;
        m_ended = m_finger.has_value();
    } else if (!m_blocked && points.size() == 1) {
        const QEventPoint &point = points.first();
        if (!m_finger && point.state() == QEventPoint::Pressed) {
            m_finger = point.id();
            result = {Move::Start, point.position()};
        } else if (m_finger == point.id() && point.state() == QEventPoint::Updated) {
            result = {Move::Draw, point.position()};
        }
    }
    if (allUp || points.isEmpty()) {
        m_ended = m_ended || m_finger.has_value();
        m_finger.reset();
        m_blocked = false;
    }
    return result;
}
