// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screen.h"

// The topic menu: the hub between the title screen and the two topics.
class TopicMenu : public Screen
{
    Q_OBJECT
public:
    explicit TopicMenu(Program &program);

    void Form_Load() override;
    void Label2_Click(int index);
    void Label5_Click(int index);
    void Label6_Click();
    void Command1_Click();
};
