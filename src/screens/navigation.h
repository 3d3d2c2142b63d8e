// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QString>

class Screen;

// The ways between screens. The target is always shown before the screen it
// leaves is unloaded, so every screen is created afresh on every visit.
namespace Navigation {
// Shows `to`, then unloads `from`.
void moveOn(Screen &from, const QString &to);
// A lesson screen's exit: closes the Jotter, shows the topic menu, then
// unloads `from`.
void backToMenu(Screen &from);
} // namespace Navigation
