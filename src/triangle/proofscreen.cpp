// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "triangle/proofscreen.h"

#include "screens/controls.h"
#include "screens/navigation.h"
#include "screens/styling.h"

ProofScreen::ProofScreen(Program &program)
    : Screen(screenDefinition(ScreenNames::Proof), program)
{
    connect(control<Label>(QStringLiteral("Label2")), &Label::clicked, this, &ProofScreen::Label2_Click);
    connect(control<CommandButton>(QStringLiteral("cmdexit")), &CommandButton::clicked, this, &ProofScreen::cmdexit_Click);
}

void ProofScreen::Form_Load()
{
    setupscreen(*this);
}

void ProofScreen::Label2_Click()
{
    Navigation::moveOn(*this, ScreenNames::TriangleProblems);
}

void ProofScreen::cmdexit_Click()
{
    Navigation::backToMenu(*this);
}
