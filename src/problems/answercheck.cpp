// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "problems/answercheck.h"

#include "common/language.h"
#include "common/leadingnumber.h"
#include "common/numbertext.h"

#include <QCoreApplication>

namespace AnswerCheck {

Verdict judge(QStringView typed, double answer)
{
    const double difference = leadingNumber(typed, Language::decimalSeparator()) - answer;
    const double d = difference * difference;
    // Infinity and NaN both fail this comparison, so they are wrong.
    return d < Tolerance ? Verdict::Correct : Verdict::Wrong;
}

QString feedback(Verdict verdict)
{
    return verdict == Verdict::Correct ? QCoreApplication::translate("AnswerCheck", "Correct, Well Done!")
                                       : QCoreApplication::translate("AnswerCheck", "Wrong, Try Again");
}

QString solution(double answer)
{
    return plainNumber(answer, Language::decimalSeparator());
}

} // namespace AnswerCheck
