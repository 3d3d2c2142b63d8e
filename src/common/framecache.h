// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/picturefile.h"

#include <QHash>
#include <QImage>
#include <QString>

// The decoded frames of one animation, so that a tick after the first round
// only shows a picture instead of reading and decoding its file again. A frame
// is read through the picture folder on its first showing and kept, ready to
// paint, while the kept frames stay within a byte budget; frames beyond it are
// read afresh every time, as are frames that could not be read, so a file that
// turns up or is mended later is shown at its next turn.
class FrameCache
{
public:
    // Every sequence the program plays fits at one pixel per pixel; a fine
    // display's twins are four times larger, and only their first part is kept.
    static constexpr qsizetype DefaultBudget = 8 * 1024 * 1024;

    explicit FrameCache(qsizetype budgetBytes = DefaultBudget);

    // The frame as PictureFolder::load gives it (null when missing or
    // damaged), converted once to the format the screen paints fastest.
    QImage frame(const PictureFolder &folder, const QString &name, qreal devicePixelRatio);

    // Forgets every frame: the owner calls it when another sequence starts.
    void clear();

    int count() const { return int(m_frames.size()); }
    qsizetype bytes() const { return m_bytes; }

private:
    qsizetype m_budget;
    qsizetype m_bytes = 0;
    QString m_root; // the folder the kept frames came from
    // By name, and whether the display is fine (which may pick the twin).
    QHash<std::pair<QString, bool>, QImage> m_frames;
};
