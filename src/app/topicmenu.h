// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screen.h"

class Label;

// The topic menu: the hub between the title screen and the two topics. Two
// columns of topic entries, of which only the first of each can be chosen;
// the title and the choosable entries light up under the pointer until it
// next crosses the window itself.
class TopicMenu : public Screen
{
    Q_OBJECT
public:
    // Each column holds elements 0 to EntryCount - 1.
    static constexpr int EntryCount = 6;
    // Tops of neighbouring entries lie this far apart, in twips.
    static constexpr int EntrySpacing = 750;

    explicit TopicMenu(ScreenContext &context);

    void Form_Load() override;

protected:
    void Form_MouseMove(Qt::MouseButtons buttons, QPoint twips) override;

private:
    void Label1_MouseMove();
    void Label2_MouseMove(int index);
    void Label5_MouseMove(int index);
    void Label2_Click(int index);
    void Label5_Click(int index);
    void Label6_Click();
    void Command1_Click();

    Label *entry(const QString &column, int index) const;
    void addEntries();
    void connectEntries();
    static void highlight(Label *label, bool on);
};
