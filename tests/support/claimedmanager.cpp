// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "support/claimedmanager.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>

namespace {

xcb_connection_t *connection()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t atom(const char *name)
{
    xcb_connection_t *c = connection();
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, false, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

xcb_window_t root()
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root;
}

void setWindowProperty(xcb_window_t on, const char *name, xcb_window_t value)
{
    xcb_change_property(connection(), XCB_PROP_MODE_REPLACE, on, atom(name), XCB_ATOM_WINDOW, 32, 1, &value);
}

} // namespace

namespace ClaimedManager {

xcb_window_t makeCheckWindow()
{
    const xcb_window_t check = xcb_generate_id(connection());
    xcb_create_window(connection(),
                      XCB_COPY_FROM_PARENT,
                      check,
                      root(),
                      0,
                      0,
                      1,
                      1,
                      0,
                      XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT,
                      0,
                      nullptr);
    setWindowProperty(check, "_NET_SUPPORTING_WM_CHECK", check);
    return check;
}

void claim(xcb_window_t check)
{
    const xcb_atom_t supported[] = {atom("_NET_REQUEST_FRAME_EXTENTS"), atom("_NET_SUPPORTING_WM_CHECK")};
    xcb_change_property(connection(),
                        XCB_PROP_MODE_REPLACE,
                        root(),
                        atom("_NET_SUPPORTED"),
                        XCB_ATOM_ATOM,
                        32,
                        2,
                        supported);
    setWindowProperty(root(), "_NET_SUPPORTING_WM_CHECK", check);
    xcb_flush(connection());
}

} // namespace ClaimedManager
