// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/randomsource.h"

#include <QString>
#include <random>

// The draws of one problems page for a class: the same class code gives the
// same values in the same order on every machine and in every run, and the
// clock never enters. A teacher's code is taken in Unicode form C, so an
// accented letter typed either way is one code.
class ClassCodeRandom : public RandomSource
{
public:
    // `stream` keeps the pages of one class apart (a page's screen name).
    ClassCodeRandom(const QString &classCode, const QString &stream);

    double next() override;
    // The class's sequence goes on: every pupil is at the same question.
    void reseedFromClock() override { }

private:
    std::mt19937_64 m_generator;
};
