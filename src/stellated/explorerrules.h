// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QString>

class RandomSource;

// The texts of the explorer's two number boxes: the number of edges n and
// the step k, as the pupil sees them.
struct StarBoxes
{
    QString edges;
    QString step;

    friend bool operator==(const StarBoxes &a, const StarBoxes &b) { return a.edges == b.edges && a.step == b.step; }
};

// How the explorer chooses and corrects the pair it draws. Everything reads
// the boxes by the leading-number rule, so pasted text counts too.
namespace ExplorerRules {

// The largest number either box keeps after Enter.
constexpr int Largest = 20;

// Only digits, Backspace and Enter reach the boxes.
bool keyPasses(int code);

// The pair shown when the page opens: n from 5 to 11 and a step from 2 up to
// half of n, never a step of exactly n / 2. Takes two values from `random`.
StarBoxes startingPair(RandomSource &random);

// The boxes after the corrections Enter makes, the pair it draws. In order,
// each reading the boxes afresh: both numbers capped at 20, a step of n or
// more halved down, no step of n / 2.
StarBoxes afterEnter(StarBoxes boxes);

} // namespace ExplorerRules
