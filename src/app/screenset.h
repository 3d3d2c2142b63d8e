// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

class ScreenRegistry;

// Teaches the registry how to create each of the program's seven screens.
void registerProgramScreens(ScreenRegistry &screens);
