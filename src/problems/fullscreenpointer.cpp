// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "problems/fullscreenpointer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

namespace {

constexpr int Size = 32;

// An arrow from the centre out to one corner, with its head at the corner.
void drawCornerArrow(QPainter &painter, QPointF corner, QPointF inwards)
{
    const QPointF tail = corner + inwards * 9;
    painter.drawLine(tail, corner);
    QPainterPath head;
    head.moveTo(corner);
    head.lineTo(corner + QPointF(inwards.x() * 7, 0));
    head.lineTo(corner + QPointF(0, inwards.y() * 7));
    head.closeSubpath();
    painter.drawPath(head);
}

class PointerCover : public QWidget
{
public:
    explicit PointerCover(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    // Nothing happens on a click: the control beneath is disabled.
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }
};

} // namespace

QCursor fullScreenPointer(qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(Size, Size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Black arrows with a white rim show on light and dark ground alike.
    for (const auto &[colour, width] : {std::pair{QColor(Qt::white), 4.0}, std::pair{QColor(Qt::black), 2.0}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(colour);
        const double lo = 3, hi = Size - 4;
        drawCornerArrow(painter, {lo, lo}, {1, 1});
        drawCornerArrow(painter, {hi, lo}, {-1, 1});
        drawCornerArrow(painter, {lo, hi}, {1, -1});
        drawCornerArrow(painter, {hi, hi}, {-1, -1});
    }
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(12, 12, 8, 8));
    painter.end();
    return QCursor(pixmap, Size / 2, Size / 2);
}

QWidget *coverWithPointer(QWidget *control, const QCursor &pointer)
{
    if (!control || !control->parentWidget())
        return nullptr;
    control->setCursor(pointer);
    auto *cover = new PointerCover(control->parentWidget());
    cover->setObjectName(control->objectName() + QStringLiteral("Pointer"));
    // It stands in for the control beneath, also to a screen reader.
    cover->setAccessibleName(control->accessibleName());
    cover->setGeometry(control->geometry());
    cover->setCursor(pointer);
    cover->setVisible(!control->isHidden());
    cover->raise();
    return cover;
}
