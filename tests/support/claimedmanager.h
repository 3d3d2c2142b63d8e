// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <xcb/xcb.h>

// What a window manager that frames windows on request writes on the root
// window of the application's X server, without one behind it: the manager
// that died and left its list, or one that never answers.
namespace ClaimedManager {

// A window of the kind a live manager names as its own: it names itself.
xcb_window_t makeCheckWindow();
// Claims a manager whose own window is `check` (which may not exist).
void claim(xcb_window_t check);

} // namespace ClaimedManager
