// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "triangle/trianglequestions.h"

#include "common/numbertext.h"
#include "common/randomsource.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// The whole part of r * n, kept inside 0..n-1 even for a source that strays
// from [0, 1).
int wholePart(double r, int n)
{
    if (!(r >= 0))
        return 0;
    return std::min(static_cast<int>(r * n), n - 1);
}

} // namespace

QStringList TriangleQuestions::questions()
{
    //: %1 is the given angle with a blank before it, e.g. " 120"; keep it glued to the word before and ° after it.
    const char *isosceles = QT_TRANSLATE_NOOP("TriangleQuestions",
                                              "If one of the angles of an isosceles triangle is%1\u00B0, what is the "
                                              "size of each of the other two angles in degrees?");
    //: %1 and %2 are the given angles, each with a blank before it, e.g. " 30" and " 45"; keep each glued to the
    //: word before and ° after it.
    const char *twoAngles = QT_TRANSLATE_NOOP(
        "TriangleQuestions",
        "If a triangle has angles of%1\u00B0 and%2\u00B0, what is the size of the other angle in degrees?");
    const char *texts[] = {
        QT_TRANSLATE_NOOP("TriangleQuestions", "In degrees, what is the sum of the angles of a right-angled triangle?"),
        QT_TRANSLATE_NOOP("TriangleQuestions", "In degrees, what is the sum of the angles of an isosceles triangle?"),
        isosceles,
        QT_TRANSLATE_NOOP(
            "TriangleQuestions",
            "In degrees, what is the size of each of the smaller angles of a right-angled isosceles triangle?"),
        twoAngles,
        QT_TRANSLATE_NOOP("TriangleQuestions",
                          "In degrees, what is the size of each angle of an equilateral triangle?"),
        twoAngles,
        twoAngles,
    };
    QStringList translated;
    for (const char *text : texts)
        translated.append(QCoreApplication::translate("TriangleQuestions", text));
    return translated;
}

Question TriangleQuestions::draw(RandomSource &random, QuestionHistory &history)
{
    random.reseedFromClock();
    Question q;
    q.type = history.take(wholePart(random.next(), QuestionTypeCount));
    int a = wholePart(random.next(), 9);
    int b = wholePart(random.next(), 90);

    const QString question = questions().at(q.type);
    switch (q.type) {
    case 0:
    case 1:
        q.text = question;
        q.answer = 180;
        break;
    case 2: {
        // At least 90°, so it is always the apex angle.
        const int g = 90 + 10 * a;
        q.text = question.arg(blankLedNumber(g));
        q.answer = (180 - g) / 2;
        break;
    }
    case 3:
        q.text = question;
        q.answer = 45;
        break;
    case 5:
        q.text = question;
        q.answer = 60;
        break;
    default: {
        // Types 4, 6 and 7. Neither given angle may be 0°.
        if (a == 0)
            a = 1;
        if (b == 0)
            b = 1;
        const int p = 10 * a;
        q.text = question.arg(blankLedNumber(p), blankLedNumber(b));
        q.answer = 180 - p - b;
        break;
    }
    }
    return q;
}
