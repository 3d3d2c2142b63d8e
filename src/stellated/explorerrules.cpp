// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "stellated/explorerrules.h"

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

} // namespace

bool keyPasses(int code)
{
    return (code >= '0' && code <= '9') || code == 8 || code == 13;
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

StarBoxes avoidDiameters(StarBoxes boxes)
{
    const double n = number(boxes.edges);
    if (n / 2 == number(boxes.step))
        boxes.step = blankLedNumber(n / 2 - 1);
    return boxes;
}

QList<StarBoxes> enterCorrections(StarBoxes boxes)
{
    QList<StarBoxes> steps;
    boxes.edges = capped(boxes.edges);
    steps.append(boxes);
    boxes.step = capped(boxes.step);
    steps.append(boxes);
    const double n = number(boxes.edges);
    if (n <= number(boxes.step))
        boxes.step = plainNumber(wholePart(n / 2));
    steps.append(boxes);
    steps.append(avoidDiameters(boxes));
    return steps;
}

StarBoxes afterEnter(StarBoxes boxes)
{
    return enterCorrections(std::move(boxes)).constLast();
}

} // namespace ExplorerRules
