// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/classcoderandom.h"

#include <QCryptographicHash>

namespace {

// The seed: the first eight bytes of a SHA-256 of the code and the stream,
// which no process or library version changes (unlike qHash or std::hash).
std::uint64_t seedFor(const QString &classCode, const QString &stream)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(classCode.normalized(QString::NormalizationForm_C).toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(stream.toUtf8());
    const QByteArray digest = hash.result();
    std::uint64_t seed = 0;
    for (int i = 0; i < 8; ++i)
        seed = (seed << 8) | static_cast<std::uint8_t>(digest[i]);
    return seed;
}

} // namespace

ClassCodeRandom::ClassCodeRandom(const QString &classCode, const QString &stream)
    : m_generator(seedFor(classCode, stream))
{
}

double ClassCodeRandom::next()
{
    // The top 24 bits, as every RandomSource gives: exact in single precision.
    return static_cast<double>(m_generator() >> 40) / 16777216.0;
}
