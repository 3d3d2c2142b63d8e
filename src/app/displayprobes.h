// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/platformchoice.h"

// Probes that connect as Qt would and hang up at once: an X display through
// xcb (so an X server reachable only by its abstract socket counts), a
// Wayland display through its socket.
DisplayProbes connectingDisplayProbes();
