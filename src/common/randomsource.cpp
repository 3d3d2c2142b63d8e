// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/randomsource.h"

#include <QTime>
#include <cmath>
#include <cstring>

namespace {
constexpr std::uint32_t StateMask = 0xFFFFFF;
constexpr std::uint32_t StartState = 0x50000;
constexpr double Scale = 1.0 / 16777216.0; // 2^-24
} // namespace

ClockSeededRandom::ClockSeededRandom(Clock clock)
    : m_clock(std::move(clock))
    , m_state(StartState)
{
}

double ClockSeededRandom::next()
{
    m_state = (m_state * 1140671485u + 12820163u) & StateMask;
    return m_state * Scale;
}

void ClockSeededRandom::reseedFromClock()
{
    reseed(m_clock());
}

void ClockSeededRandom::reseed(double secondsSinceMidnight)
{
    // Fold the bits of the clock reading into the middle of the state, so that
    // readings a fraction of a second apart start different sequences.
    float reading = static_cast<float>(secondsSinceMidnight);
    std::uint32_t bits = 0;
    static_assert(sizeof bits == sizeof reading);
    std::memcpy(&bits, &reading, sizeof bits);
    const std::uint32_t folded = ((bits >> 16) ^ bits) & 0xFFFF;
    m_state = ((m_state & 0xFF00FF) ^ (folded << 8)) & StateMask;
}

double ClockSeededRandom::systemSecondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}
