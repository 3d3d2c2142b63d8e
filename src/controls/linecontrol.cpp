// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "controls/linecontrol.h"

#include "common/twips.h"

#include <QPainter>

LineControl::LineControl(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setEnds(const QPoint &fromTwips, const QPoint &toTwips)
{
    m_from = fromTwips;
    m_to = toTwips;
    place();
}

void LineControl::setColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

void LineControl::setLineWidth(int pixels)
{
    m_width = qMax(1, pixels);
    place();
}

void LineControl::place()
{
    const QPointF a = QPointF(m_from) / TwipsPerPixel;
    const QPointF b = QPointF(m_to) / TwipsPerPixel;
    const int margin = m_width / 2 + 2;
    setGeometry(QRectF(a, b).normalized().toAlignedRect().adjusted(-margin, -margin, margin, margin));
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(m_colour, m_width);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const QPointF origin = geometry().topLeft();
    painter.drawLine(QPointF(m_from) / TwipsPerPixel - origin, QPointF(m_to) / TwipsPerPixel - origin);
}
