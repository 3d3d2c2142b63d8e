// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "support/scriptedrandom.h"

ScriptedRandom::ScriptedRandom(QList<double> values)
    : m_values(std::move(values))
{
}

void ScriptedRandom::setValues(QList<double> values)
{
    m_values = std::move(values);
    m_draws = 0;
}

double ScriptedRandom::next()
{
    if (m_values.isEmpty())
        return 0;
    const double value = m_values.at(m_draws % m_values.size());
    ++m_draws;
    // Keep scripted values inside [0, 1), like the real source.
    if (!(value >= 0))
        return 0;
    return value < 1 ? value : 1.0 - 1.0 / 16777216.0;
}
