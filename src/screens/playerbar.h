// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QToolButton>
#include <QWidget>
#include <array>

// The animation's player bar: play, pause, step back and step forward, each
// available or not on its own.
class PlayerBar : public QWidget
{
    Q_OBJECT
public:
    enum class Button { Play, Pause, StepBack, StepForward };
    static constexpr std::array<Button, 4> Buttons{Button::Play, Button::Pause, Button::StepBack, Button::StepForward};

    explicit PlayerBar(QWidget *parent = nullptr);

    void setAvailable(Button button, bool available);
    bool isAvailable(Button button) const;
    QToolButton *button(Button button) const;

Q_SIGNALS:
    void clicked(PlayerBar::Button button);

private:
    std::array<QToolButton *, 4> m_buttons{};
};
