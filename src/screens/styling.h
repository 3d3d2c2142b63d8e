// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/stylingsizes.h"

class Screen;

// Gives a screen the program's common look and size: a dark blue window of
// 12000 x 9000 twips (outer) centred on the display, and the lesson screens'
// picture buttons with their faces, stacked in their fixed places and taken
// out of the Tab order. Steps for controls the screen lacks, or pictures that
// cannot be read, are skipped; the rest still happen.
void setupscreen(Screen &screen);
