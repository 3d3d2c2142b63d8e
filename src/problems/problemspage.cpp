// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "problems/problemspage.h"

#include "screens/controls.h"
#include "screens/navigation.h"
#include "screens/program.h"
#include "screens/styling.h"

ProblemsPage::ProblemsPage(const QString &name, Program &program, std::unique_ptr<QuestionSet> questions)
    : Screen(screenDefinition(name), program)
    , m_questions(std::move(questions))
{
    connect(control<CommandButton>(QStringLiteral("cmdjotter")), &CommandButton::clicked, this, &ProblemsPage::cmdjotter_Click);
    connect(control<CommandButton>(QStringLiteral("cmdexit")), &CommandButton::clicked, this, &ProblemsPage::cmdexit_Click);
}

void ProblemsPage::Form_Load()
{
    setupscreen(*this);
}

void ProblemsPage::cmdjotter_Click()
{
    program().screens().show(ScreenNames::Jotter);
}

void ProblemsPage::cmdexit_Click()
{
    Navigation::backToMenu(*this);
}
