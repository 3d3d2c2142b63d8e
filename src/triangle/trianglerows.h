// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screendefinition.h"

// The rows of the triangle topic's two screens: the proof walk-through
// (triproof) and the triangle problems page (angtri).
const ScreenDefinition &proofScreenDefinition();
const ScreenDefinition &trianglePageDefinition();
