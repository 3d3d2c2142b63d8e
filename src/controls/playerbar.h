// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "problems/frameplayer.h"

#include <QToolButton>
#include <QWidget>
#include <array>

// The animation's player bar: play, pause, step back and step forward, each
// available or not on its own.
class PlayerBar : public QWidget
{
    Q_OBJECT
public:
    using Control = FramePlayer::Control;
    // In the bar's order, left to right.
    static constexpr std::array<Control, 4> Buttons{Control::Play,
                                                    Control::Pause,
                                                    Control::StepBack,
                                                    Control::StepForward};

    explicit PlayerBar(QWidget *parent = nullptr);

    void setAvailable(Control which, bool available);
    bool isAvailable(Control which) const;
    QToolButton *button(Control which) const;

private:
    std::array<QToolButton *, 4> m_buttons{};
};
