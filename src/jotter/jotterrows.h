// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screendefinition.h"

// The rows of the Jotter (notepad): two frames, one for the wide layout and
// one for the tall one, each with the pad's buttons and a palette.
const ScreenDefinition &jotterPadDefinition();
