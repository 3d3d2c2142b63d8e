// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/retainedsurface.h"
#include "screens/screen.h"

#include <functional>

// A screen that draws on its own client area: the star explorer and the
// Jotter. What is drawn is kept in a surface of the window's size, so it
// stays until cleared, also while the window is covered or not yet shown.
class DrawingScreen : public Screen
{
    Q_OBJECT
public:
    DrawingScreen(const ScreenDefinition &definition, ScreenContext &context);

    // The client area as a drawing surface, in twips.
    const RetainedSurface &drawing() const { return m_surface; }
    void clearDrawing();
    void drawLine(QPointF fromTwips, QPointF toTwips, const QColor &colour, qreal widthPixels = 1);
    // Hands the drawing itself to `change` (the Jotter's undo puts pixels
    // back), which returns the area it touched, and repaints that area.
    void changeDrawing(const std::function<QRect(RetainedSurface &)> &change);
    void drawCircle(QPointF centreTwips, double radiusTwips, const QColor &colour);
    void drawPoint(QPointF atTwips, const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // The drawing is made again at the new ratio, what was drawn kept.
    void resolutionChanged() override;

private:
    void updateSurfaceSize();

    RetainedSurface m_surface;
};
