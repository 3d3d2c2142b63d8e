// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QString>
#include <QStringView>

// How a problems page judges a typed answer.
namespace AnswerCheck {

enum class Verdict { Correct, Wrong };

// The largest squared difference that still counts as right (just over
// 0.005 either side, so an answer correct to two places passes).
constexpr double Tolerance = 2.6E-05;

// Reads the text by the leading-number rule, with the decimal separator of
// the language the program speaks, and compares it with the answer.
// A value so far off that the squared difference overflows is wrong.
Verdict judge(QStringView typed, double answer);

// "Correct, Well Done!" or "Wrong, Try Again".
QString feedback(Verdict verdict);

// The answer as the solution button shows it, written the language's way ("22,5").
QString solution(double answer);

} // namespace AnswerCheck
