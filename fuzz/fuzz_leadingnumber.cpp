// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// Typed and pasted text, read as a number and written back.
#include "common/leadingnumber.h"
#include "common/numbertext.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void check(const QString &text, QChar decimalSeparator)
{
    const double value = leadingNumber(text, decimalSeparator);
    if (std::isnan(value))
        std::abort();
    // A blank in front changes nothing.
    if (leadingNumber(QLatin1Char(' ') + text, decimalSeparator) != value)
        std::abort();
    if (!std::isfinite(value))
        return;
    // What the program writes it reads back, to the fifteen digits it writes.
    for (const QString &written : {plainNumber(value, decimalSeparator), blankLedNumber(value)}) {
        const double back = leadingNumber(written, decimalSeparator);
        if (std::abs(back - value) > 1e-14 * std::abs(value) + 1e-300)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto *bytes = reinterpret_cast<const char *>(data);
    const QString utf8 = QString::fromUtf8(bytes, static_cast<qsizetype>(size));
    const QString utf16 =
        QString::fromUtf16(reinterpret_cast<const char16_t *>(data), static_cast<qsizetype>(size / 2));
    for (QChar decimalSeparator : {u'.', u','}) {
        check(utf8, decimalSeparator);
        check(utf16, decimalSeparator);
    }
    return 0;
}
