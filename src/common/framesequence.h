// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A numbered run of picture files, one per frame: base, the frame number as
// two digits, extension ("tri2sm\tri2" + "07" + ".jpg").
struct FrameSequence
{
    QString base;
    QString extension;
    int count = 0;

    QString fileName(int frame) const;
    QStringList fileNames() const;

    friend bool operator==(const FrameSequence &a, const FrameSequence &b)
    {
        return a.base == b.base && a.extension == b.extension && a.count == b.count;
    }
};

QString frameFileName(const QString &base, int frame, const QString &extension);

// The sequences the program plays.
namespace FrameSequences {
inline const FrameSequence Title{QStringLiteral("stor4sm\\stor00"), QStringLiteral(".gif"), 15};
inline const FrameSequence Triangle{QStringLiteral("tri2sm\\tri2"), QStringLiteral(".jpg"), 15};
inline const FrameSequence StellatedOctagon{QStringLiteral("ocstarsm\\ocstar"), QStringLiteral(".jpg"), 30};
inline const FrameSequence StellatedNonagon{QStringLiteral("stelnsm\\stel00"), QStringLiteral(".gif"), 40};
inline const FrameSequence Pentagram{QStringLiteral("pentglsm\\pent00"), QStringLiteral(".gif"), 20};

// Every sequence above, the title's first.
QList<FrameSequence> all();
} // namespace FrameSequences

// The frame after `frame` in a loop of `count` frames, and the one before.
// A counter that somehow lies outside the loop comes back into it.
int nextFrame(int frame, int count);
int previousFrame(int frame, int count);
