// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/playercontrol.h"

#include <QToolButton>
#include <QWidget>
#include <array>

// The animation's player bar: play, pause, step back and step forward
// (PlayerControls, left to right), each available or not on its own.
class PlayerBar : public QWidget
{
    Q_OBJECT
public:
    explicit PlayerBar(QWidget *parent = nullptr);

    void setAvailable(PlayerControl which, bool available);
    bool isAvailable(PlayerControl which) const;
    QToolButton *button(PlayerControl which) const;

Q_SIGNALS:
    // One of the bar's buttons was clicked.
    void pressed(PlayerControl which);

private:
    std::array<QToolButton *, PlayerControls.size()> m_buttons{};
};
