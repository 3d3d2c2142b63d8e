// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/retainedsurface.h"

#include "common/twips.h"

#include <QPainter>
#include <QPen>
#include <cmath>
#include <cstring>

namespace {

// A whole pixel position names the pixel itself, so aim at its centre: lines
// of whole widths then cover whole pixels instead of smearing over two.
QPointF toPixels(QPointF twips)
{
    return twips / TwipsPerPixel + QPointF(0.5, 0.5);
}

QPainter::RenderHints figureHints()
{
    return QPainter::Antialiasing;
}

QPen roundPen(const QColor &colour, qreal widthPixels)
{
    // Round ends and joins: a wide stroke drawn as many short segments leaves
    // no gaps at the corners.
    QPen pen(colour, qMax(qreal(1), widthPixels));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

} // namespace

void RetainedSurface::resize(const QSize &pixels, qreal devicePixelRatio)
{
    if (pixels == m_size && qFuzzyCompare(devicePixelRatio, m_ratio) && !m_image.isNull())
        return;
    QImage image((QSizeF(pixels) * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    if (!m_image.isNull()) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPointF(0, 0), m_image);
    }
    m_image = image;
    m_size = pixels;
    m_ratio = devicePixelRatio;
}

QRect RetainedSurface::clear()
{
    m_image.fill(Qt::transparent);
    return QRect(QPoint(0, 0), m_size);
}

QRect RetainedSurface::line(QPointF fromTwips, QPointF toTwips, const QColor &colour, qreal widthPixels)
{
    if (m_image.isNull())
        return {};
    const QPointF from = toPixels(fromTwips);
    const QPointF to = toPixels(toTwips);
    QPainter painter(&m_image);
    painter.setRenderHints(figureHints());
    painter.setPen(roundPen(colour, widthPixels));
    painter.drawLine(from, to);
    return touched(QRectF(from, to).normalized(), widthPixels);
}

QRect RetainedSurface::circle(QPointF centreTwips, double radiusTwips, const QColor &colour, int widthPixels)
{
    if (m_image.isNull())
        return {};
    const QPointF centre = toPixels(centreTwips);
    const double radius = radiusTwips / TwipsPerPixel;
    QPainter painter(&m_image);
    painter.setRenderHints(figureHints());
    painter.setPen(roundPen(colour, widthPixels));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    return touched(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)), widthPixels);
}

QRect RetainedSurface::point(QPointF atTwips, const QColor &colour)
{
    if (m_image.isNull())
        return {};
    // One device-independent pixel, centred on the point.
    const QRectF pixel(toPixels(atTwips) - QPointF(0.5, 0.5), QSizeF(1, 1));
    QPainter painter(&m_image);
    painter.fillRect(pixel, colour);
    return touched(pixel, 1);
}

QRect RetainedSurface::restore(QPoint devicePixel, const QImage &patch)
{
    const qreal keptAt = patch.devicePixelRatio();
    if (keptAt != m_ratio && !m_image.isNull()) {
        const QRectF place(QPointF(devicePixel) / keptAt, QSizeF(patch.size()) / keptAt);
        QPainter painter(&m_image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(place, patch);
        return touched(place, 0);
    }
    const QRect area = QRect(devicePixel, patch.size()).intersected(m_image.rect());
    if (area.isEmpty() || patch.format() != m_image.format())
        return {};
    // Byte for byte: what undo gives back must be exactly what was there.
    const qsizetype rowBytes = qsizetype(area.width()) * 4;
    for (int y = area.top(); y <= area.bottom(); ++y)
        memcpy(m_image.scanLine(y) + qsizetype(area.left()) * 4,
               patch.constScanLine(y - devicePixel.y()) + qsizetype(area.left() - devicePixel.x()) * 4,
               rowBytes);
    return touched(QRectF(QPointF(area.topLeft()) / m_ratio, QSizeF(area.size()) / m_ratio), 0);
}

QRect RetainedSurface::restore(const QImage &whole)
{
    if (whole.isNull())
        return clear();
    const qreal ratio = m_image.isNull() ? whole.devicePixelRatio() : m_ratio;
    m_image = whole;
    m_ratio = whole.devicePixelRatio();
    m_size = (QSizeF(whole.size()) / m_ratio).toSize();
    resize(m_size, ratio);
    return QRect(QPoint(0, 0), m_size);
}

QRect RetainedSurface::touched(const QRectF &pixels, qreal widthPixels) const
{
    const int margin = int(widthPixels / 2) + 2;
    return pixels.toAlignedRect().adjusted(-margin, -margin, margin, margin).intersected(QRect(QPoint(0, 0), m_size));
}

QColor RetainedSurface::colourAt(QPointF twips) const
{
    const QPointF pixels = twips / TwipsPerPixel;
    const QPoint device(int(std::floor(pixels.x() * m_ratio)), int(std::floor(pixels.y() * m_ratio)));
    if (!m_image.rect().contains(device))
        return {};
    return m_image.pixelColor(device);
}

bool RetainedSurface::isBlank() const
{
    for (int y = 0; y < m_image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(m_image.constScanLine(y));
        for (int x = 0; x < m_image.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                return false;
        }
    }
    return true;
}
