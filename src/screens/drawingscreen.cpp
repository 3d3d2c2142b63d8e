// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/drawingscreen.h"

#include <QPaintEvent>
#include <QPainter>

DrawingScreen::DrawingScreen(const ScreenDefinition &definition, ScreenContext &context)
    : Screen(definition, context)
{
    updateSurfaceSize();
}

void DrawingScreen::updateSurfaceSize()
{
    // A window made shorter to fit the display keeps what was drawn beyond
    // its new edge, shown again when it grows back; a wiped one starts anew.
    const QSize pixels = m_surface.isBlank() ? size() : size().expandedTo(m_surface.size());
    m_surface.resize(pixels, devicePixelRatioF());
}

void DrawingScreen::clearDrawing()
{
    update(m_surface.clear());
}

void DrawingScreen::drawLine(QPointF fromTwips, QPointF toTwips, const QColor &colour, qreal widthPixels)
{
    update(m_surface.line(fromTwips, toTwips, colour, widthPixels));
}

void DrawingScreen::changeDrawing(const std::function<QRect(RetainedSurface &)> &change)
{
    update(change(m_surface));
}

void DrawingScreen::drawCircle(QPointF centreTwips, double radiusTwips, const QColor &colour)
{
    update(m_surface.circle(centreTwips, radiusTwips, colour));
}

void DrawingScreen::drawPoint(QPointF atTwips, const QColor &colour)
{
    update(m_surface.point(atTwips, colour));
}

void DrawingScreen::paintEvent(QPaintEvent *event)
{
    Screen::paintEvent(event);
    // Only the exposed part of the drawing is copied, so the cost does not
    // depend on how much has been drawn.
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal ratio = m_surface.devicePixelRatio();
    const QRectF source(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio);
    painter.drawImage(QRectF(area), m_surface.image(), source);
}

void DrawingScreen::resizeEvent(QResizeEvent *event)
{
    Screen::resizeEvent(event);
    updateSurfaceSize();
}

void DrawingScreen::resolutionChanged()
{
    Screen::resolutionChanged();
    updateSurfaceSize();
    update();
}

void DrawingScreen::showEvent(QShowEvent *event)
{
    Screen::showEvent(event);
    // The window's final size, and its display's resolution, are known now.
    updateSurfaceSize();
}
