// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "problems/questionset.h"

#include "common/programvalues.h"

int takeQuestionType(int t, ProgramValues &values)
{
    const int last = values.lastQuestionOrZero();
    if (t == last)
        t = (last + 1) % 8;
    values.lastquestion = t;
    return t;
}
