// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <cstdint>
#include <functional>

// The program's one pseudo-random source: values uniform in [0, 1).
// Screens are handed a RandomSource& so that tests can script the draws.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // The next value, in [0, 1). Every value is a multiple of 2^-24, so it is
    // exact in single precision and never rounds up to 1.
    virtual double next() = 0;
    // Starts a new sequence from the time of day.
    virtual void reseedFromClock() = 0;
};

// A 24-bit linear congruential generator. It starts from the same fixed state
// at every start-up, so a run that never re-seeds repeats itself.
class ClockSeededRandom : public RandomSource
{
public:
    // Seconds since midnight, with their fraction.
    using Clock = std::function<double()>;

    explicit ClockSeededRandom(Clock clock = systemSecondsSinceMidnight);

    double next() override;
    void reseedFromClock() override;

    // Re-seeds as if the clock read secondsSinceMidnight.
    void reseed(double secondsSinceMidnight);
    std::uint32_t state() const { return m_state; }

    static double systemSecondsSinceMidnight();

private:
    Clock m_clock;
    std::uint32_t m_state;
};
