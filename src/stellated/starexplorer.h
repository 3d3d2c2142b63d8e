// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screen.h"

// The stellated polygon explorer: draws {n/k} for two typed numbers.
class StarExplorer : public Screen
{
    Q_OBJECT
public:
    explicit StarExplorer(Program &program);

    void Form_Load() override;
    void Label2_Click(int index);
    void cmdexit_Click();
};
