// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/framesequence.h"
#include "common/picturenames.h"
#include "stellated/starpolygon.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QTransform>

// The drawings of the program's picture set, one function per kind of
// picture. Each returns the picture in memory; writing files is someone
// else's job. Animations loop: frame `count` would be frame 0 again.
// Sizes are in the pixels of the box that shows the picture; with a ratio
// above 1 the same drawing comes ratio times as fine, for fine displays.
namespace PictureDrawing {

// The star polygon {n/k} that a problems-page sequence shows. The questions
// count its edges (n) and its component polygons (the common divisor of n
// and k), so this is what the answers rest on.
struct StarFigure
{
    FrameSequence sequence;
    int n = 0;
    int k = 0;
};
QList<StarFigure> starFigures();

// The figure as drawn in every frame, in twips of the picture, and where a
// frame turns it: the transform takes those twips to the frame's pixels.
StarPolygon starFramePolygon(const StarFigure &figure, QSize pixels);
QTransform starFrameTransform(const StarFigure &figure, int frame, QSize pixels);

QImage starFrame(const StarFigure &figure, int frame, QSize pixels, qreal ratio = 1);
QImage triangleFrame(int frame, int count, QSize pixels, qreal ratio = 1);
QImage titleFrame(int frame, int count, QSize pixels, qreal ratio = 1);
QImage menuBackground(QSize pixels, qreal ratio = 1);
QImage logo(QSize pixels, qreal ratio = 1);
QImage icon(int pixels);

// The picture buttons: a symbol and a word. The word is drawn at 16 pixels,
// scaled down when it would not fit beside the symbol (never below
// MinimumWordScale).
constexpr double MinimumWordScale = 0.5;
QImage buttonFace(PictureNames::ButtonSymbol symbol, const QString &word, QSize pixels, qreal ratio = 1);

} // namespace PictureDrawing
