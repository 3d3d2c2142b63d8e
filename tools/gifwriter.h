// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

// Turns a picture into a single-frame GIF through giflib. GIF holds at most
// 256 colours: the writer keeps the colours it is told to keep exactly (the
// program's blues, so a picture meets the window around it without a seam)
// and fills the rest of the table with the picture's most used colours (and,
// when they do not all fit, an even spread); any other colour becomes the
// nearest entry. The same picture always gives the
// same bytes.
class GifWriter
{
public:
    static constexpr int MaxColours = 256;

    explicit GifWriter(QList<QRgb> keptColours = {});

    // The colour table for a picture: the kept colours first, then the
    // picture's own by how often they occur. Never more than MaxColours.
    QList<QRgb> palette(const QImage &image) const;

    // The whole file, or an empty array if giflib refuses.
    QByteArray encode(const QImage &image) const;

private:
    QList<QRgb> m_kept;
};
