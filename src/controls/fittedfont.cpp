// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "controls/fittedfont.h"

#include <QFontMetrics>
#include <QRect>
#include <QString>

QFont fittedFont(const QFont &font, const QRect &area, int flags, const QString &text)
{
    QFont fitted = font;
    const qreal asked = fitted.pointSizeF();
    if (asked <= 0 || text.isEmpty())
        return fitted;
    constexpr qreal Step = 0.95;
    for (qreal size = asked; size >= asked * FittedFontFloor; size *= Step) {
        fitted.setPointSizeF(size);
        const QRect needed = QFontMetrics(fitted).boundingRect(area, flags, text);
        if (needed.width() <= area.width() && needed.height() <= area.height())
            break;
    }
    return fitted;
}
