// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screen.h"

class CommandButton;
class ImageBox;
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

    struct Column;

protected:
    // The pointer on the window's own area puts out every light.
    void pointerMoved(Qt::MouseButtons buttons, QPoint twips) override;

private:
    void lightTitle();
    void openTopic(const Column &column, int index);
    void openWebAddress();
    void backToTitle();

    void addEntries();
    void wireEntry(const Column &column, int index);
    static void highlight(Label *label, bool on);

    Label &m_title;
    ImageBox &m_logo;
    CommandButton &m_exit;
};
