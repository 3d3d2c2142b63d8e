// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "problems/frameplayer.h"

#include "common/programvalues.h"

FramePlayer::FramePlayer(ProgramValues &values, std::optional<FrameSequence> fixed)
    : m_values(values)
    , m_fixed(std::move(fixed))
{
}

FrameSequence FramePlayer::sequence() const
{
    if (m_fixed)
        return *m_fixed;
    return FrameSequence{m_values.smallprefix, m_values.picext, m_values.framecount};
}

QString FramePlayer::current() const
{
    return sequence().fileName(m_values.frameno);
}

QString FramePlayer::restart()
{
    m_values.frameno = 0;
    return current();
}

QString FramePlayer::restart(const FrameSequence &chosen)
{
    if (!m_fixed) {
        m_values.smallprefix = chosen.base;
        m_values.picext = chosen.extension;
        m_values.framecount = static_cast<qint16>(qBound(0, chosen.count, 32767));
    }
    return restart();
}

QString FramePlayer::stepForward()
{
    // The counter is shared with other animations; nextFrame brings a value
    // left outside this loop back into it.
    m_values.frameno = static_cast<qint16>(nextFrame(m_values.frameno, sequence().count));
    return current();
}

QString FramePlayer::stepBack()
{
    m_values.frameno = static_cast<qint16>(previousFrame(m_values.frameno, sequence().count));
    return current();
}

void FramePlayer::play()
{
    m_running = true;
    m_available[index(Control::Pause)] = true;
    m_available[index(Control::Play)] = false;
    m_available[index(Control::StepBack)] = false;
    m_available[index(Control::StepForward)] = false;
}

void FramePlayer::pause()
{
    // Pause itself stays as it was.
    m_running = false;
    m_available[index(Control::Play)] = true;
    m_available[index(Control::StepBack)] = true;
    m_available[index(Control::StepForward)] = true;
}
