// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "support/scriptedrandom.h"

double ScriptedRandom::next()
{
    const double value = m_values.isEmpty() ? 0 : m_values.at(m_draws++ % m_values.size());
    // Inside [0, 1), like the real source.
    return value >= 0 ? qMin(value, 1.0 - 1.0 / 16777216.0) : 0;
}
