// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "triangle/trianglequestions.h"

#include "common/numbertext.h"
#include "common/randomsource.h"

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

// A number in a question reads with one blank before it and the degree sign after.
QString degrees(int value)
{
    return blankLedNumber(value) + u'°';
}

} // namespace

const QStringList &TriangleQuestions::questions()
{
    static const QStringList texts{
        QStringLiteral("In degrees, what is the sum of the angles of a right-angled triangle?"),
        QStringLiteral("In degrees, what is the sum of the angles of an isosceles triangle?"),
        QStringLiteral("If one of the angles of an isosceles triangle is"),
        QStringLiteral(
            "In degrees, what is the size of each of the smaller angles of a right-angled isosceles triangle?"),
        QStringLiteral("If a triangle has angles of"),
        QStringLiteral("In degrees, what is the size of each angle of an equilateral triangle?"),
        QStringLiteral("If a triangle has angles of"),
        QStringLiteral("If a triangle has angles of"),
    };
    return texts;
}

Question TriangleQuestions::draw(RandomSource &random, ProgramValues &values)
{
    random.reseedFromClock();
    Question q;
    q.type = takeQuestionType(wholePart(random.next(), 8), values);
    int a = wholePart(random.next(), 9);
    int b = wholePart(random.next(), 90);

    const QString &opening = questions().at(q.type);
    switch (q.type) {
    case 0:
    case 1:
        q.text = opening;
        q.answer = 180;
        break;
    case 2: {
        // At least 90°, so it is always the apex angle.
        const int g = 90 + 10 * a;
        q.text =
            opening + degrees(g) + QStringLiteral(", what is the size of each of the other two angles in degrees?");
        q.answer = (180 - g) / 2;
        break;
    }
    case 3:
        q.text = opening;
        q.answer = 45;
        break;
    case 5:
        q.text = opening;
        q.answer = 60;
        break;
    default: {
        // Types 4, 6 and 7. Neither given angle may be 0°.
        if (a == 0)
            a = 1;
        if (b == 0)
            b = 1;
        const int p = 10 * a;
        q.text = opening + degrees(p) + QStringLiteral(" and") + degrees(b) +
                 QStringLiteral(", what is the size of the other angle in degrees?");
        q.answer = 180 - p - b;
        break;
    }
    }
    return q;
}
