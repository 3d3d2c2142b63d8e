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

void check(const QString &text)
{
    const double value = leadingNumber(text);
    if (std::isnan(value))
        std::abort();
    // A blank in front changes nothing.
    if (leadingNumber(QLatin1Char(' ') + text) != value)
        std::abort();
    if (!std::isfinite(value))
        return;
    // What the program writes it reads back, to the fifteen digits it writes.
    for (const QString &written : {plainNumber(value), blankLedNumber(value)}) {
        const double back = leadingNumber(written);
        if (std::abs(back - value) > 1e-14 * std::abs(value) + 1e-300)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto *bytes = reinterpret_cast<const char *>(data);
    check(QString::fromUtf8(bytes, static_cast<qsizetype>(size)));
    check(QString::fromUtf16(reinterpret_cast<const char16_t *>(data), static_cast<qsizetype>(size / 2)));
    return 0;
}
