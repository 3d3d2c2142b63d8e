// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "controls/pictureview.h"

#include <QPainter>

PictureView::PictureView(Fit fit, QWidget *parent)
    : QWidget(parent)
    , m_fit(fit)
{
}

bool PictureView::setPicture(const QImage &picture)
{
    if (picture.isNull())
        return false;
    m_picture = picture;
    // A picture that hides the whole box spares the repaint of what lies
    // beneath it, which on every animation tick costs more than the frame.
    setAttribute(Qt::WA_OpaquePaintEvent, covers());
    update();
    return true;
}

bool PictureView::covers() const
{
    if (m_picture.isNull() || m_picture.hasAlphaChannel())
        return false;
    return m_fit == Fit::Stretch ||
           m_picture.deviceIndependentSize().toSize().expandedTo(size()) == m_picture.deviceIndependentSize().toSize();
}

void PictureView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    setAttribute(Qt::WA_OpaquePaintEvent, covers());
}

void PictureView::setBackColour(const QColor &colour)
{
    m_back = colour;
    update();
}

void PictureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_back.isValid() && !covers())
        painter.fillRect(rect(), m_back);
    if (m_picture.isNull())
        return;
    const QSizeF pictureSize = m_picture.deviceIndependentSize();
    if ((m_fit == Fit::TopLeft || pictureSize == QSizeF(size())) &&
        m_picture.devicePixelRatio() == painter.device()->devicePixelRatio()) {
        // A picture made for the box at the display's resolution is copied
        // pixel for pixel: through the painter's scaling it would be filtered
        // point by point, which on a fine display costs more than the frame.
        const qreal ratio = m_picture.devicePixelRatio();
        painter.scale(1 / ratio, 1 / ratio);
        painter.drawImage(QRectF(QPointF(0, 0), m_picture.size()), m_picture, QRectF(m_picture.rect()));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_fit == Fit::Stretch)
        painter.drawImage(rect(), m_picture);
    else
        painter.drawImage(QPoint(0, 0), m_picture); // at its own size, which a fine picture gives in its ratio
}
