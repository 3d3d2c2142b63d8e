// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QFont>

class QRect;
class QString;

// The font a control draws `text` in within `area`, laid out with `flags`:
// its own when the text fits, else the largest of a few smaller sizes that
// fits, down to a floor; at the floor when even that does not fit. A stand-in
// face wider than the one asked for, or a language longer than English, then
// loses a little size rather than words off the edge.
QFont fittedFont(const QFont &font, const QRect &area, int flags, const QString &text);

// The smallest part of its size a control's text may be drawn at.
inline constexpr qreal FittedFontFloor = 0.6;
