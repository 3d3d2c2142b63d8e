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
    // Every sequence the program plays fits whole at one pixel per pixel (the
    // longest, the nonagon's 40 frames, takes 12.6 MB ready to paint). A fine
    // display shows the twins, with four times the pixels, so its budget is
    // four times this one (64 MiB): a scaled laptop never decodes a frame twice.
    static constexpr qsizetype DefaultBudget = 16 * 1024 * 1024;
    static constexpr int FineBudgetFactor = 4;
    // A page whose questions bring their own animations keeps all of them, so
    // that a question coming back decodes nothing: the stellated page's three
    // (90 frames, 27.8 MB at one pixel per pixel; 128 MiB on a fine display).
    static constexpr qsizetype PictureSetBudget = 32 * 1024 * 1024;

    // The budget at one pixel per pixel.
    explicit FrameCache(qsizetype budgetBytes = DefaultBudget);

    // The frame as PictureFolder::load gives it (null when missing or
    // damaged), converted once to the format the screen paints fastest.
    QImage frame(const PictureFolder &folder, const QString &name, qreal devicePixelRatio);

    // Forgets every frame. A change of picture folder, or of display ratio,
    // forgets them too.
    void clear();

    int count() const { return int(m_frames.size()); }
    qsizetype bytes() const { return m_bytes; }

private:
    qsizetype m_budget;
    qsizetype m_bytes = 0;
    QString m_root;    // the folder the kept frames came from
    qreal m_ratio = 1; // the display ratio they were made for (a fine display picks the twins)
    QHash<QString, QImage> m_frames;
};
