// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "jotter/jotterinput.h"

#include "common/twips.h"
#include "jotter/jotterwork.h"
#include "jotter/penstate.h"
#include "screens/drawingscreen.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QStyleHints>
#include <QTabletEvent>
#include <QTouchEvent>

namespace {
QPoint toTwips(QPointF pixels)
{
    return (pixels * TwipsPerPixel).toPoint();
}
} // namespace

JotterInput::JotterInput(DrawingScreen &pad, PenState &pen, JotterWork &work)
    : QObject(&work)
    , m_pad(pad)
    , m_pen(pen)
    , m_work(work)
{
    m_pad.setAttribute(Qt::WA_AcceptTouchEvents);
    m_pad.installEventFilter(this);
    auto *menuKeys = new QAction(this);
    menuKeys->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    menuKeys->setShortcutContext(Qt::WindowShortcut);
    connect(menuKeys, &QAction::triggered, this, &JotterInput::showMenu);
    m_pad.addAction(menuKeys);
}

bool JotterInput::onDrawingArea(QPointF at) const
{
    return m_pad.rect().contains(at.toPoint()) && !m_pad.childAt(at.toPoint());
}

bool JotterInput::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_pad)
        return false;
    switch (event->type()) {
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return tablet(static_cast<QTabletEvent *>(event));
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        return touch(static_cast<QTouchEvent *>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        mouse(event); // the pad still gets it
        return false;
    case QEvent::ContextMenu:
        // A right press asks for the menu at once; the pad waits for the
        // release, to tell a click from a drag.
        if (static_cast<QContextMenuEvent *>(event)->reason() != QContextMenuEvent::Mouse)
            showMenu();
        return true;
    default:
        return false;
    }
}

bool JotterInput::tablet(QTabletEvent *event)
{
    if (event->type() == QEvent::TabletPress) {
        // On a control, the pen clicks it as the mouse would.
        if (!onDrawingArea(event->position()))
            return false;
        m_penDown = true;
        m_pen.moveTo(toTwips(event->position()));
    } else if (!m_penDown) {
        return false;
    } else if (event->type() == QEvent::TabletMove) {
        const bool eraserEnd = event->pointerType() == QPointingDevice::PointerType::Eraser;
        if (const std::optional<QLine> segment = m_pen.strokeTo(event->buttons(), toTwips(event->position())))
            m_work.draw(QLineF(*segment), PenTip::tablet(m_pen, event->pressure(), eraserEnd));
    } else {
        m_penDown = false;
        m_work.endStroke();
    }
    event->accept();
    return true;
}

bool JotterInput::touch(QTouchEvent *event)
{
    if (event->type() == QEvent::TouchBegin && !event->points().isEmpty() &&
        !onDrawingArea(event->points().first().position()))
        return false; // a tap on a control clicks it
    const DrawingFinger::Result result =
        m_finger.update(event->type() == QEvent::TouchCancel ? QList<QEventPoint>() : event->points());
    if (result.move == DrawingFinger::Move::Start) {
        m_pen.moveTo(toTwips(result.position));
    } else if (result.move == DrawingFinger::Move::Draw) {
        if (const std::optional<QLine> segment = m_pen.strokeTo(Qt::LeftButton, toTwips(result.position)))
            m_work.draw(QLineF(*segment), PenTip::mouse(m_pen));
    }
    if (m_finger.strokeEnded())
        m_work.endStroke();
    event->accept();
    return true;
}

void JotterInput::mouse(QEvent *event)
{
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const QPointF at = mouse->position();
    if (event->type() == QEvent::MouseButtonPress) {
        const bool rightAlone = mouse->button() == Qt::RightButton && mouse->buttons() == Qt::RightButton;
        m_rightPress = rightAlone && onDrawingArea(at) ? std::optional(at) : std::nullopt;
    } else if (event->type() == QEvent::MouseMove) {
        // Moving as far as a drag starts makes it a drag, which opens nothing.
        if (m_rightPress &&
            (at - *m_rightPress).manhattanLength() >= QGuiApplication::styleHints()->startDragDistance())
            m_rightPress.reset();
    } else {
        m_work.endStroke();
        const bool click = m_rightPress && mouse->button() == Qt::RightButton && mouse->buttons() == Qt::NoButton;
        m_rightPress.reset();
        if (click)
            m_work.showMenu(at.toPoint());
    }
}

void JotterInput::showMenu()
{
    // From the keyboard: at the middle of the drawing area.
    m_work.showMenu(m_work.drawingArea().boundingRect().center());
}
