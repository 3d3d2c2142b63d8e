// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <cmath>

// Twips are the program's unit of length: 1440 to the inch, 15 to a
// device-independent pixel. Geometry stays in twips and turns into pixels
// only where a widget is placed or a figure drawn.
constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

inline double pixelsToTwips(double pixels)
{
    return pixels * TwipsPerPixel;
}

// Both edges are rounded, so neighbouring rectangles stay flush.
inline QRect twipsToPixels(const QRect &twips)
{
    const int left = twipsToPixels(twips.x());
    const int top = twipsToPixels(twips.y());
    const int right = twipsToPixels(double(twips.x()) + twips.width());
    const int bottom = twipsToPixels(double(twips.y()) + twips.height());
    return QRect(left, top, right - left, bottom - top);
}

inline QSize twipsToPixels(const QSize &twips)
{
    return QSize(twipsToPixels(twips.width()), twipsToPixels(twips.height()));
}

inline QPoint pixelsToTwips(const QPoint &pixels)
{
    return pixels * TwipsPerPixel;
}
