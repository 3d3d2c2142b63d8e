// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/numbertext.h"

#include <cmath>

QString plainNumber(double value, QChar decimalSeparator)
{
    if (value == 0)
        return QStringLiteral("0");
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    QString text = QString::number(value, 'g', 15);
    // Exponents read "1E+20", as a calculator writes them.
    text.replace(u'e', u'E');
    text.replace(u'.', decimalSeparator);
    return text;
}

QString blankLedNumber(double value)
{
    const QString plain = plainNumber(value);
    return value >= 0 ? u' ' + plain : plain;
}
