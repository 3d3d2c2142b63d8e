// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QEventPoint>
#include <QList>
#include <optional>

// Which finger on a touch screen draws. A touch that starts with one finger
// draws with it; once a second finger is down, nothing more is drawn until
// every finger is lifted, so a resting hand or a pinch leaves no smear.
class DrawingFinger
{
public:
    enum class Move { None, Start, Draw };
    struct Result
    {
        Move move = Move::None;
        QPointF position;
    };

    // The touch points of one touch event, in the pad's pixels.
    Result update(const QList<QEventPoint> &points);
    // Whether a stroke is open and should end now (lifted or a second finger).
    bool strokeEnded() const { return m_ended; }

private:
    std::optional<int> m_finger;
    bool m_blocked = false;
    bool m_ended = false;
};
