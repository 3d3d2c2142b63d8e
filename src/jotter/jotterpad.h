// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screen.h"

// The Jotter: a scratch pad that floats beside a problems page.
class JotterPad : public Screen
{
    Q_OBJECT
public:
    explicit JotterPad(Program &program);

    void Exit_Click();
};
