// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QColor>
#include <QString>

// The fixed sixteen-colour table, index 0 to 15; indexes outside wrap round.
inline constexpr int ColourTableSize = 16;
QColor qbColor(int index);
// What the colour is called, in the running language: the Jotter's swatches
// are named by it for screen readers, so no two names are alike.
QString colourName(int index);

// The program's colours; those of the table above are its entries. Three
// near-identical blues are all in use and must stay distinct.
namespace Colours {
inline const QColor StyledWindow{40, 66, 156};   // window background of styled screens
inline const QColor StyledPicture{49, 135, 214}; // title animation surface when styled
inline const QColor Canvas{49, 135, 215};        // the menu's and the Jotter's background

inline const QColor Yellow = qbColor(14);
inline const QColor Blue = qbColor(9);
inline const QColor LightBlue{128, 128, 255};
inline const QColor Silver = qbColor(7);
inline const QColor Green = qbColor(10);
inline const QColor Black = qbColor(0);
inline const QColor Grey = qbColor(8); // greyed text
inline const QColor White = qbColor(15);
inline const QColor DarkGrey{64, 64, 64};
} // namespace Colours
