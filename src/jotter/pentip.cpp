// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "jotter/pentip.h"

#include "common/colourtable.h"
#include "jotter/penstate.h"

#include <QtMath>
#include <cmath>

PenTip PenTip::mouse(const PenState &pen)
{
    return {pen.colour(), qreal(pen.width())};
}

PenTip PenTip::tablet(const PenState &pen, qreal pressure, bool eraserEnd)
{
    // Even steps of pressure change the width by even ratios: from the
    // lightest to half pressure as much as from half to the hardest.
    const qreal p = qBound(qreal(0), pressure, qreal(1));
    const qreal factor = p < 0.5 ? std::pow(LightestFactor, 1 - 2 * p) : std::pow(HardestFactor, 2 * p - 1);
    if (eraserEnd)
        return {Colours::Canvas, PenState::EraserWidth * factor};
    return {pen.colour(), pen.width() * factor};
}
