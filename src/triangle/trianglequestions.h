// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "problems/questionset.h"

#include <QStringList>

// The questions of the triangle problems page, all resting on the angles of
// a triangle adding up to 180°: eight types, of which 4, 6 and 7 are the same
// question (the third angle from two given ones). Every answer is a whole
// number of degrees.
class TriangleQuestions : public QuestionSet
{
public:
    // Re-seeds from the clock, then draws three values, always all three and
    // in this order: the type, a multiplier 0..8 and an angle 0..89.
    Question draw(RandomSource &random, QuestionHistory &history) override;

    // Each type's question in the running language; the types that give
    // angles (2, 4, 6 and 7) are templates with the angles as %1 and %2,
    // each written with its blank before it.
    static QStringList questions();
};
