// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <optional>

// Each problems page draws its questions from eight types, numbered 0 to 7.
constexpr int QuestionTypeCount = 8;

// The rule that no question repeats the type drawn just before it, on either
// problems page: one history serves both pages for the whole run, so that it
// outlives every visit of a page.
class QuestionHistory
{
public:
    // Empty until the first draw of the run; empty counts as type 0.
    explicit QuestionHistory(std::optional<int> last = std::nullopt)
        : m_last(last)
    {
    }

    // The type for a draw of t: never the type drawn last, whose successor
    // gets its chance instead. Remembers the result as the type drawn last.
    int take(int t);

private:
    std::optional<int> m_last;
};
