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
    update();
    return true;
}

void PictureView::setBackColour(const QColor &colour)
{
    m_back = colour;
    update();
}

void PictureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_back.isValid())
        painter.fillRect(rect(), m_back);
    if (m_picture.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_fit == Fit::Stretch)
        painter.drawImage(rect(), m_picture);
    else
        painter.drawImage(QPoint(0, 0), m_picture); // at its own size, which a fine picture gives in its ratio
}
