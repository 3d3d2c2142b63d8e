// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"

#include "common/wrapindex.h"

#include <array>

QColor qbColor(int index)
{
    static constexpr std::array<QRgb, 16> table{
        qRgb(0, 0, 0),
        qRgb(0, 0, 128),
        qRgb(0, 128, 0),
        qRgb(0, 128, 128),
        qRgb(128, 0, 0),
        qRgb(128, 0, 128),
        qRgb(128, 128, 0),
        qRgb(192, 192, 192),
        qRgb(128, 128, 128),
        qRgb(0, 0, 255),
        qRgb(0, 255, 0),
        qRgb(0, 255, 255),
        qRgb(255, 0, 0),
        qRgb(255, 0, 255),
        qRgb(255, 255, 0),
        qRgb(255, 255, 255),
    };
    return QColor(table[static_cast<std::size_t>(wrapIndex(index, int(table.size())))]);
}
