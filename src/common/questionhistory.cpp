// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/questionhistory.h"

int QuestionHistory::take(int t)
{
    const int last = m_last.value_or(0);
    if (t == last)
        t = (last + 1) % QuestionTypeCount;
    m_last = t;
    return t;
}
