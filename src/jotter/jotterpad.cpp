// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "jotter/jotterpad.h"

#include "screens/controls.h"
#include "screens/program.h"

JotterPad::JotterPad(Program &program)
    : Screen(screenDefinition(ScreenNames::Jotter), program)
{
    // Both layouts have an Exit button; they do the same.
    for (const QString &name : {QStringLiteral("Command1"), QStringLiteral("Command9")})
        connect(control<CommandButton>(name), &CommandButton::clicked, this, &JotterPad::Exit_Click);
}

void JotterPad::Exit_Click()
{
    program().screens().unload(this);
}
