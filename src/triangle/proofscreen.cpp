// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "triangle/proofscreen.h"

#include "controls/commandbutton.h"
#include "controls/label.h"
#include "screens/navigation.h"
#include "screens/styling.h"
#include "triangle/trianglerows.h"

ProofScreen::ProofScreen(ScreenContext &context)
    : Screen(proofScreenDefinition(), context)
    , m_explanation(control<Label>(QStringLiteral("Label3")))
    , m_stepButton(control<Label>(QStringLiteral("Label5")))
{
    connect(m_stepButton, &Label::clicked, this, &ProofScreen::Label5_Click);
    connect(control<Label>(QStringLiteral("Label2")), &Label::clicked, this, &ProofScreen::Label2_Click);
    connect(control<CommandButton>(QStringLiteral("cmdexit")),
            &CommandButton::clicked,
            this,
            &ProofScreen::cmdexit_Click);
}

void ProofScreen::Form_Load()
{
    // The screen as defined is already view 0.
    setupscreen(*this);
}

void ProofScreen::Label5_Click()
{
    applyView(m_steps.click());
}

void ProofScreen::Label2_Click()
{
    Navigation::moveOn(*this, ScreenNames::TriangleProblems);
}

void ProofScreen::cmdexit_Click()
{
    Navigation::backToMenu(*this);
}

void ProofScreen::applyView(const ProofView &view)
{
    for (const ProofFigurePart &part : view.hide) {
        if (QWidget *widget = control<QWidget>(part.name, part.index))
            widget->hide();
    }
    for (const ProofFigurePart &part : view.show) {
        if (QWidget *widget = control<QWidget>(part.name, part.index))
            widget->show();
    }
    m_explanation->setText(view.text);
    if (!view.caption.isEmpty())
        m_stepButton->setText(view.caption);
}
