// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <QSet>
#include <QWindow>

class QWidget;

// The border and caption bar a window manager draws around a top-level
// window. On X11 the manager is asked for them before the window is mapped
// (_NET_REQUEST_FRAME_EXTENTS) and listened to afterwards
// (_NET_FRAME_EXTENTS); elsewhere the platform window says. The last frame
// seen is remembered, so a window not yet on screen starts with it counted.
class WindowFrame
    : public QObject
    , public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    static WindowFrame &instance();

    // The frame of a top-level window as far as it is known now. On X11 it
    // may create the native window to ask the window manager; the answer
    // takes one round trip, or a short wait for a manager that answers late.
    QMargins margins(QWidget *window);

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

    // How many times a window waited for a manager that did not answer.
    int unansweredRequests() const { return m_unanswered; }

Q_SIGNALS:
    // The window manager has given this window a new frame.
    void changed(QWidget *window);

private:
    explicit WindowFrame(QObject *parent);
    ~WindowFrame() override;

    QMargins m_lastKnown;
    QSet<WId> m_asked;
    bool m_managerSilent = false;
    int m_unanswered = 0;
};
