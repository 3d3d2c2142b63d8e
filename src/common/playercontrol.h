// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <array>

// The four buttons of an animation's player bar.
enum class PlayerControl { Play, Pause, StepBack, StepForward };

// The buttons in the bar's order, left to right.
inline constexpr std::array<PlayerControl, 4> PlayerControls{PlayerControl::Play,
                                                             PlayerControl::Pause,
                                                             PlayerControl::StepBack,
                                                             PlayerControl::StepForward};
