// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "problems/frameplayer.h"

FramePlayer::FramePlayer(std::optional<FrameSequence> fixed)
    : m_fixed(fixed.has_value())
    , m_sequence(fixed.value_or(FrameSequence{}))
{
}

QString FramePlayer::restart()
{
    m_frame = 0;
    return current();
}

QString FramePlayer::restart(const FrameSequence &chosen)
{
    if (!m_fixed)
        m_sequence = chosen;
    return restart();
}

QString FramePlayer::stepForward()
{
    m_frame = nextFrame(m_frame, m_sequence.count);
    return current();
}

QString FramePlayer::stepBack()
{
    m_frame = previousFrame(m_frame, m_sequence.count);
    return current();
}

void FramePlayer::play()
{
    m_running = true;
    m_available[index(PlayerControl::Pause)] = true;
    m_available[index(PlayerControl::Play)] = false;
    m_available[index(PlayerControl::StepBack)] = false;
    m_available[index(PlayerControl::StepForward)] = false;
}

void FramePlayer::pause()
{
    // Pause itself stays as it was.
    m_running = false;
    m_available[index(PlayerControl::Play)] = true;
    m_available[index(PlayerControl::StepBack)] = true;
    m_available[index(PlayerControl::StepForward)] = true;
}
