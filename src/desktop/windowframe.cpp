// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "desktop/windowframe.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QHash>
#include <QLoggingCategory>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

Q_LOGGING_CATEGORY(lcDesktop, "vertexa.desktop", QtInfoMsg)

namespace {

// How long a window manager that supports the request may take to answer: a
// working one answers within a round trip; a later answer still arrives, as
// a change, and the window is fitted again.
constexpr int RequestWaitMs = 15;

// The X library is always linked (the build requires it), but X is spoken
// only when Qt runs on it: null offscreen and on Wayland.
xcb_connection_t *x11Connection()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t internAtom(xcb_connection_t *c, const char *name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, false, uint16_t(strlen(name)), name), nullptr),
        &free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::unique_ptr<xcb_get_property_reply_t, decltype(&free)>
property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type, uint32_t length)
{
    return {xcb_get_property_reply(c, xcb_get_property(c, false, window, name, type, 0, length), nullptr), &free};
}

// The few atoms used here, asked for once: there is one connection.
xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    static QHash<QByteArray, xcb_atom_t> known;
    auto found = known.constFind(name);
    if (found == known.cend())
        found = known.insert(name, internAtom(c, name));
    return *found;
}

// _NET_FRAME_EXTENTS of the window: left, right, top, bottom.
std::optional<QMargins> frameExtents(xcb_connection_t *c, xcb_window_t window)
{
    const auto reply = property(c, window, atom(c, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 4);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto *v = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

xcb_window_t defaultRoot(xcb_connection_t *c)
{
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    return screens.rem > 0 ? screens.data->root : xcb_window_t(XCB_WINDOW_NONE);
}

// The window a window manager names on the root as its own; none when no
// manager runs, or the one that wrote it has gone and left it stale.
xcb_window_t supportingWindow(xcb_connection_t *c, xcb_window_t root)
{
    const xcb_atom_t check = atom(c, "_NET_SUPPORTING_WM_CHECK");
    const auto named = property(c, root, check, XCB_ATOM_WINDOW, 1);
    if (!named || named->format != 32 || xcb_get_property_value_length(named.get()) != 4)
        return XCB_WINDOW_NONE;
    const xcb_window_t window = *static_cast<const xcb_window_t *>(xcb_get_property_value(named.get()));
    // A live manager's window names itself the same way.
    const auto own = property(c, window, check, XCB_ATOM_WINDOW, 1);
    if (!own || own->format != 32 || xcb_get_property_value_length(own.get()) != 4 ||
        *static_cast<const xcb_window_t *>(xcb_get_property_value(own.get())) != window)
        return XCB_WINDOW_NONE;
    return window;
}

// Whether a running window manager answers _NET_REQUEST_FRAME_EXTENTS;
// with none, or one that does not, there is nothing to wait for.
bool managerAnswersRequests(xcb_connection_t *c)
{
    const xcb_window_t root = defaultRoot(c);
    const xcb_atom_t request = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (root == XCB_WINDOW_NONE || request == XCB_ATOM_NONE || supportingWindow(c, root) == XCB_WINDOW_NONE)
        return false;
    const auto reply = property(c, root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 1024);
    if (!reply || reply->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, request) != atoms + count;
}

// Asks the window manager for the frame it will draw around the window, and
// waits briefly for the answer it writes into the window's properties.
std::optional<QMargins> requestFrameExtents(xcb_connection_t *c, xcb_window_t window)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(c,
                   false,
                   defaultRoot(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(c);
    const QDeadlineTimer deadline(RequestWaitMs);
    for (;;) {
        if (const std::optional<QMargins> extents = frameExtents(c, window))
            return extents;
        if (deadline.hasExpired())
            return std::nullopt;
        QThread::msleep(2);
    }
}

} // namespace

WindowFrame::WindowFrame(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowFrame::~WindowFrame()
{
    // The application deletes it among its children, when instance() is
    // already gone; the filter's own destructor then takes it off the list.
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
}

WindowFrame &WindowFrame::instance()
{
    // Lives as long as the application, which removes it before it goes.
    static QPointer<WindowFrame> frame;
    if (!frame)
        frame = new WindowFrame(QCoreApplication::instance());
    return *frame;
}

QMargins WindowFrame::margins(QWidget *window)
{
    if (xcb_connection_t *c = x11Connection()) {
        std::optional<QMargins> extents;
        if (window->internalWinId())
            extents = frameExtents(c, xcb_window_t(window->internalWinId()));
        // The window must exist, unmapped, for the manager to measure it. A
        // window is asked once: a late answer arrives as a change. A manager
        // that has let a request go unanswered is not waited for again, until
        // it answers after all.
        if (!extents && !m_managerSilent && !m_asked.contains(window->internalWinId()) && managerAnswersRequests(c)) {
            m_asked.insert(window->winId());
            extents = requestFrameExtents(c, xcb_window_t(window->winId()));
            m_managerSilent = !extents;
            m_unanswered += m_managerSilent;
            if (!extents)
                qCDebug(lcDesktop) << "the window manager did not answer in time for" << window->objectName();
        }
        if (extents) {
            // The manager counts device pixels, the program scaled ones.
            const qreal ratio = window->devicePixelRatioF();
            m_lastKnown = QMargins(qRound(extents->left() / ratio),
                                   qRound(extents->top() / ratio),
                                   qRound(extents->right() / ratio),
                                   qRound(extents->bottom() / ratio));
        }
        return m_lastKnown;
    }
    // Elsewhere the frame is known once the platform window exists.
    if (const QWindow *handle = window->windowHandle(); handle && handle->handle())
        m_lastKnown = handle->frameMargins();
    return m_lastKnown;
}

bool WindowFrame::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
    static const xcb_atom_t extents = atom(x11Connection(), "_NET_FRAME_EXTENTS");
    if (notify->atom != extents || notify->state != XCB_PROPERTY_NEW_VALUE)
        return false;
    m_managerSilent = false;
    // Answered after Qt has seen the event too, outside the event reader.
    const QPointer<QWidget> window = QWidget::find(WId(notify->window));
    if (window) {
        QMetaObject::invokeMethod(
            this,
            [this, window] {
                if (window)
                    Q_EMIT changed(window);
            },
            Qt::QueuedConnection);
    }
    return false;
}
