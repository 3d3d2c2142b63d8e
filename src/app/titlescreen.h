// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/framecache.h"
#include "problems/frameplayer.h"
#include "screens/screen.h"

class CommandButton;
class PictureBox;
class QTimer;

// The animated title screen: fifteen frames every 25 ms, "OK" (later
// "Cancel") to the topic menu and "Exit" to end the program.
class TitleScreen : public Screen
{
    Q_OBJECT
public:
    explicit TitleScreen(ScreenContext &context);

    void Form_Load() override;

protected:
    // The frame on show, made again for the new ratio.
    void resolutionChanged() override;

private:
    void showNextFrame();
    void openMenu();
    void endProgram();

    // A frame of the animation, kept after it was first read.
    QImage loadFrame(const QString &file);

    PictureBox &m_picture;
    QTimer &m_timer;
    FramePlayer m_player{FrameSequences::Title};
    FrameCache m_frames;
};
