// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/topicmenu.h"

#include "screens/controls.h"
#include "screens/navigation.h"
#include "screens/program.h"
#include "screens/styling.h"

TopicMenu::TopicMenu(Program &program)
    : Screen(screenDefinition(ScreenNames::Menu), program)
{
    connect(control<Label>(QStringLiteral("Label2"), 0), &Label::clicked, this, [this] { Label2_Click(0); });
    connect(control<Label>(QStringLiteral("Label5"), 0), &Label::clicked, this, [this] { Label5_Click(0); });
    connect(control<Label>(QStringLiteral("Label6")), &Label::clicked, this, &TopicMenu::Label6_Click);
    connect(control<CommandButton>(QStringLiteral("Command1")), &CommandButton::clicked, this, &TopicMenu::Command1_Click);
}

void TopicMenu::Form_Load()
{
    setupscreen(*this);
}

void TopicMenu::Label2_Click(int index)
{
    if (index == 0)
        Navigation::moveOn(*this, ScreenNames::Proof);
}

void TopicMenu::Label5_Click(int index)
{
    if (index == 0)
        Navigation::moveOn(*this, ScreenNames::Explorer);
}

void TopicMenu::Label6_Click()
{
    program().openUrl(QUrl(Publisher::WebUrl));
}

void TopicMenu::Command1_Click()
{
    // Referring to the title screen re-creates it; its load runs before the
    // caption changes.
    if (Screen *title = program().screens().screen(ScreenNames::Title))
        title->control<CommandButton>(QStringLiteral("Command1"))->setText(QStringLiteral("Cancel"));
    Navigation::moveOn(*this, ScreenNames::Title);
}
