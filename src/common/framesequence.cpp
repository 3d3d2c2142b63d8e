// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/framesequence.h"

#include "common/wrapindex.h"

QString frameFileName(const QString &base, int frame, const QString &extension)
{
    // Below 10 a "0" goes in front; from 10 on the number keeps its own digits.
    const QString number = frame >= 0 && frame < 10 ? u'0' + QString::number(frame) : QString::number(frame);
    return base + number + extension;
}

QString FrameSequence::fileName(int frame) const
{
    return frameFileName(base, frame, extension);
}

QStringList FrameSequence::fileNames() const
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(fileName(i));
    return names;
}

QList<FrameSequence> FrameSequences::all()
{
    return {Title, Triangle, StellatedOctagon, StellatedNonagon, Pentagram};
}

int nextFrame(int frame, int count)
{
    return wrapIndex(frame + 1, count);
}

int previousFrame(int frame, int count)
{
    return wrapIndex(frame - 1, count);
}
