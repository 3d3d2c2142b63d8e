// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

// The character codes that key-press handlers receive for the keys that are
// not characters, so that handlers and tests name them rather than spell them.
namespace KeyCode {
constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Escape = 27;
} // namespace KeyCode
