// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QColor>

class PenState;

// What a stroke is drawn with: the pad's pen for the mouse and a finger; for
// a tablet pen, that pen with its width set by the pressure, or, from the
// pen's eraser end, the eraser, whatever the pad's mode.
struct PenTip
{
    QColor colour;
    qreal width;

    // A light touch draws half as wide as the mouse, a hard one twice as
    // wide, and half pressure, where a hand writes, exactly as wide: pen
    // and mouse work on one drawing match, the thinnest line (1.5 pixels)
    // still shows on a projector and the thickest stays a pen, not a brush.
    static constexpr qreal LightestFactor = 0.5;
    static constexpr qreal HardestFactor = 2.0;

    static PenTip mouse(const PenState &pen);
    static PenTip tablet(const PenState &pen, qreal pressure, bool eraserEnd);
};
