// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>
#include <chrono>

// A benchmark is the clock of the animation it measures: the screen's own
// timer keeps running, too slowly to tick by itself, and the loop ticks it.
namespace HandTick {

inline void holdBack(QTimer *timer)
{
    timer->setInterval(std::chrono::hours(24));
}

// What the event loop delivers when the interval is up.
inline void tick(QTimer *timer)
{
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

} // namespace HandTick
