// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>

// A window's drawing, kept in an image so that it survives being covered and
// repaints in the same time however much has been drawn. Callers speak twips;
// the image is held at the display's device pixel ratio. Each operation
// returns the area it touched, in device-independent pixels, for the window
// to repaint. What has not been drawn on is transparent, so the window's
// background shows through.
class RetainedSurface
{
public:
    RetainedSurface() = default;

    // Grows or shrinks the surface, keeping what overlaps the new size.
    void resize(const QSize &pixels, qreal devicePixelRatio = 1.0);
    QSize size() const { return m_size; }
    qreal devicePixelRatio() const { return m_ratio; }

    QRect clear();
    QRect line(QPointF fromTwips, QPointF toTwips, const QColor &colour, qreal widthPixels = 1);
    QRect circle(QPointF centreTwips, double radiusTwips, const QColor &colour, int widthPixels = 1);
    QRect point(QPointF atTwips, const QColor &colour);

    // Puts back pixels kept from this surface: a part of its image (`patch`,
    // whose top-left corner was at `devicePixel`), or the whole of it. Pixels
    // kept at another device pixel ratio are brought to the surface's own.
    QRect restore(QPoint devicePixel, const QImage &patch);
    QRect restore(const QImage &whole);

    const QImage &image() const { return m_image; }
    // The colour of the device-independent pixel at a position in twips.
    QColor colourAt(QPointF twips) const;
    bool isBlank() const;

private:
    QRect touched(const QRectF &pixels, qreal widthPixels) const;

    QImage m_image;
    QSize m_size;
    qreal m_ratio = 1.0;
};
