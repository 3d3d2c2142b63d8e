// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "jotter/drawingfinger.h"

#include <QObject>
#include <optional>

class DrawingScreen;
class JotterWork;
class PenState;
class QTabletEvent;
class QTouchEvent;

// The Jotter's pointer beyond the mouse's press and move, which the pad
// handles itself: a tablet pen, a finger, the end of every stroke, and the
// menu, which opens on a right-button click that does not move (a right
// drag only moves the current point, as it always has) and on the Menu key
// or Shift+F10. Watches the pad's own events; presses on its controls go to
// the controls.
class JotterInput : public QObject
{
    Q_OBJECT
public:
    JotterInput(DrawingScreen &pad, PenState &pen, JotterWork &work);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool onDrawingArea(QPointF at) const;
    bool tablet(QTabletEvent *event);
    bool touch(QTouchEvent *event);
    void mouse(QEvent *event);
    void showMenu();

    DrawingScreen &m_pad;
    PenState &m_pen;
    JotterWork &m_work;
    DrawingFinger m_finger;
    bool m_penDown = false;
    std::optional<QPointF> m_rightPress;
};
