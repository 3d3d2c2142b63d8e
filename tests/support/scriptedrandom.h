// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/randomsource.h"

#include <QList>

// Hands out a fixed list of values, so that a test chooses what the program
// draws. After the list it starts again from its first value; re-seeding only
// counts, it changes nothing.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(QList<double> values = {}) { setValues(std::move(values)); }

    void setValues(QList<double> values)
    {
        m_values = std::move(values);
        m_draws = 0;
    }

    double next() override;
    void reseedFromClock() override { ++m_reseeds; }

    int draws() const { return m_draws; }
    int reseeds() const { return m_reseeds; }

private:
    QList<double> m_values;
    int m_draws = 0;
    int m_reseeds = 0;
};
