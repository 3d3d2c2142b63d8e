// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "stellated/starexplorer.h"

#include "screens/controls.h"
#include "screens/navigation.h"
#include "screens/styling.h"

StarExplorer::StarExplorer(Program &program)
    : Screen(screenDefinition(ScreenNames::Explorer), program)
{
    connect(control<Label>(QStringLiteral("Label2"), 0), &Label::clicked, this, [this] { Label2_Click(0); });
    connect(control<CommandButton>(QStringLiteral("cmdexit")), &CommandButton::clicked, this, &StarExplorer::cmdexit_Click);
}

void StarExplorer::Form_Load()
{
    setupscreen(*this);
}

void StarExplorer::Label2_Click(int)
{
    Navigation::moveOn(*this, ScreenNames::StellatedProblems);
}

void StarExplorer::cmdexit_Click()
{
    Navigation::backToMenu(*this);
}
