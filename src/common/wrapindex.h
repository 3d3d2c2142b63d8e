// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

// The place of index in a ring of count places, 0 to count - 1: indexes past
// either end wrap round, so -1 is the last place. A ring with no places gives 0.
constexpr int wrapIndex(int index, int count)
{
    return count <= 0 ? 0 : ((index % count) + count) % count;
}
