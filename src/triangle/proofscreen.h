// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screen.h"

// The walk-through of the proof that the angles of a triangle add up to 180°.
class ProofScreen : public Screen
{
    Q_OBJECT
public:
    explicit ProofScreen(Program &program);

    void Form_Load() override;
    void Label2_Click();
    void cmdexit_Click();
};
