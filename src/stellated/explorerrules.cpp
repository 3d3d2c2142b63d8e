// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "stellated/explorerrules.h"

#include "common/keycodes.h"
#include "common/leadingnumber.h"
#include "common/numbertext.h"
#include "common/randomsource.h"

#include <cmath>

namespace ExplorerRules {

namespace {

double number(const QString &text)
{
    return leadingNumber(text);
}

// Whole part as the explorer has always taken it: rounded down.
double wholePart(double value)
{
    return std::floor(value);
}

QString capped(const QString &text)
{
    return number(text) > Largest ? plainNumber(Largest) : text;
}

// A step of exactly n / 2 would draw nothing but diameters: one less is
// written instead, with a blank before it when it is not negative.
StarBoxes avoidDiameters(StarBoxes boxes)
{
    const double n = number(boxes.edges);
    if (n / 2 == number(boxes.step))
        boxes.step = blankLedNumber(n / 2 - 1);
    return boxes;
}

} // namespace

bool keyPasses(int code)
{
    return (code >= '0' && code <= '9') || code == KeyCode::Backspace || code == KeyCode::Enter;
}

StarBoxes startingPair(RandomSource &random)
{
    StarBoxes boxes;
    const double n = wholePart(random.next() * 7) + 5;
    boxes.edges = plainNumber(n);
    double k = wholePart(random.next() * (n / 2)) + 1;
    if (k == 1)
        k = 2;
    boxes.step = plainNumber(k);
    return avoidDiameters(boxes);
}

StarBoxes afterEnter(StarBoxes boxes)
{
    boxes.edges = capped(boxes.edges);
    boxes.step = capped(boxes.step);
    const double n = number(boxes.edges);
    if (n <= number(boxes.step))
        boxes.step = plainNumber(wholePart(n / 2));
    return avoidDiameters(boxes);
}

} // namespace ExplorerRules
