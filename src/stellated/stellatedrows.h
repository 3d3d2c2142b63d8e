// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/rows.h"

// The rows of the stellated topic's two screens: the explorer (star2) and
// the stellated problems page (star).
const ScreenDefinition &explorerDefinition();
const ScreenDefinition &stellatedPageDefinition();

namespace Rows {
// One of the two number boxes of {n/k}, Text2(0) the edges and Text2(1) the
// vertices skipped, and the label above it.
ControlDefinition numberBox(int index, int left, int top, const QString &text);
ControlDefinition numberLabel(int index, int left, int top);
} // namespace Rows
