// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

// A stroke with one mouse button, sent to the window as the window system
// would, so the pressed widget keeps the pointer: pressed at the first point,
// moved through the others, released at the last (window pixels).
inline void stroke(QWidget *window, const QList<QPoint> &path, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(window->windowHandle(), button, {}, path.first());
    for (const QPoint at : path.mid(1))
        QTest::mouseMove(window->windowHandle(), at);
    QTest::mouseRelease(window->windowHandle(), button, {}, path.last());
}

// A left click in the middle of a control.
inline void click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}
