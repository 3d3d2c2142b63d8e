// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/framesequence.h"
#include "common/playercontrol.h"

#include <QString>
#include <array>
#include <optional>

// What an animation does, without the widgets: which frame each tick or step
// shows, whether the timer should run, and which of the player bar's four
// buttons are available. The screen owns the timer and the picture box and
// follows what this says; the title screen, which has no bar, uses only the
// frames.
//
// A player either always plays one fixed sequence, or plays the sequence a
// question chose. It counts its own frames; a screen builds its player afresh
// on every visit, and only one animating screen is loaded at a time.
class FramePlayer
{
public:
    explicit FramePlayer(std::optional<FrameSequence> fixed);

    bool hasFixedSequence() const { return m_fixed; }
    const FrameSequence &sequence() const { return m_sequence; }

    // Back to frame 0 of the current sequence; returns the file to show.
    QString restart();
    // Makes `chosen` the current sequence and goes to its frame 0. A player
    // with a fixed sequence ignores the choice and only restarts.
    QString restart(const FrameSequence &chosen);

    // The timer's tick and the step forward button: one frame on, frame 0
    // after the last.
    QString stepForward();
    // One frame back, the last after frame 0.
    QString stepBack();

    // The bar's play and pause buttons.
    void play();
    void pause();

    // Starts or stops the animation without touching the bar: a new question
    // does this, so the bar may still offer play while the frames run.
    void setRunning(bool running) { m_running = running; }
    bool isRunning() const { return m_running; }

    bool isAvailable(PlayerControl control) const { return m_available[index(control)]; }

    // The file of the frame on show.
    QString current() const { return m_sequence.fileName(m_frame); }

private:
    static std::size_t index(PlayerControl control) { return static_cast<std::size_t>(control); }

    bool m_fixed;
    FrameSequence m_sequence;
    int m_frame = 0;
    bool m_running = false;
    // A page opens playing: only pause is offered.
    std::array<bool, PlayerControls.size()> m_available{false, true, false, false};
};
