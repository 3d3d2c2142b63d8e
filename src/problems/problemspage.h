// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "problems/questionset.h"
#include "screens/screen.h"

#include <memory>

// A problems page: one question at a time, a typed answer, its check, the
// solution on request, the Jotter beside it and the way back to the menu.
class ProblemsPage : public Screen
{
    Q_OBJECT
public:
    // `questions` invents this page's questions (its calculate).
    ProblemsPage(const QString &name, Program &program, std::unique_ptr<QuestionSet> questions);

    void Form_Load() override;
    void cmdjotter_Click();
    void cmdexit_Click();

private:
    std::unique_ptr<QuestionSet> m_questions;
};
