// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screen.h"

// A problems page: one question at a time, a typed answer, its check, the
// solution on request, the Jotter beside it and the way back to the menu.
class ProblemsPage : public Screen
{
    Q_OBJECT
public:
    ProblemsPage(const QString &name, Program &program);

    void Form_Load() override;
    void cmdjotter_Click();
    void cmdexit_Click();
};
