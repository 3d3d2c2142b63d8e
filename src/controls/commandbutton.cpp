// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "controls/commandbutton.h"

#include "common/colourtable.h"

#include "controls/fittedfont.h"

#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <qdrawutil.h>

CommandButton::CommandButton(QWidget *parent)
    : QPushButton(parent)
{
}

void CommandButton::setGraphical(bool graphical)
{
    m_graphical = graphical;
    update();
}

void CommandButton::setFaceColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Button, colour);
    setPalette(p);
    update();
}

bool CommandButton::setPicture(const QImage &picture)
{
    if (picture.isNull())
        return false;
    m_picture = picture;
    update();
    return true;
}

QRect CommandButton::captionArea() const
{
    if (m_graphical)
        return rect().adjusted(2, 2, -2, -2);
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

int CommandButton::captionFlags() const
{
    return m_graphical ? Qt::AlignCenter | Qt::TextWordWrap : Qt::AlignCenter | Qt::TextShowMnemonic;
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const QFont caption = fittedFont(font(), captionArea(), captionFlags(), text());
    if (!m_graphical) {
        // What QPushButton draws, with the caption's font.
        QStyleOptionButton option;
        initStyleOption(&option);
        option.fontMetrics = QFontMetrics(caption);
        painter.setFont(caption);
        painter.drawControl(QStyle::CE_PushButton, option);
        return;
    }
    // A plain raised panel in the face colour. The style's own bevel would
    // be cached under this button's palette, which is new for every button,
    // and the cache's keys outlive the buttons: every Jotter opened would
    // leave some memory behind for good.
    const QBrush face = palette().brush(QPalette::Button);
    qDrawWinButton(&painter, rect(), palette(), isDown(), &face);

    QRect inner = captionArea();
    if (isDown())
        inner.translate(1, 1);
    if (!m_picture.isNull()) {
        // The face fills the button, keeping its proportions.
        QSize size = (QSizeF(m_picture.size()) / m_picture.devicePixelRatio()).toSize();
        size.scale(inner.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(0, 0), size);
        target.moveCenter(inner.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_picture);
    }
    if (!text().isEmpty()) {
        painter.setPen(isEnabled() ? Colours::Black : Colours::Grey);
        painter.setFont(caption);
        painter.drawText(inner, captionFlags(), text());
    }
    if (showsFocusRing()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void CommandButton::mousePressEvent(QMouseEvent *event)
{
    m_focusCue.mouseUsed();
    QPushButton::mousePressEvent(event);
}

void CommandButton::keyReleaseEvent(QKeyEvent *event)
{
    // Space acts when it is let go.
    KeyboardFocusCue::KeyAction action;
    QPushButton::keyReleaseEvent(event);
}

void CommandButton::focusInEvent(QFocusEvent *event)
{
    m_focusCue.focusIn(this, event);
    QPushButton::focusInEvent(event);
}

void CommandButton::focusOutEvent(QFocusEvent *event)
{
    m_focusCue.focusOut(event);
    QPushButton::focusOutEvent(event);
}
