// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/picturenames.h"

#include "problems/framesequence.h"

QStringList PictureNames::stills()
{
    return {Logo, ExitButton, NextButton, AnswerButton, CheckButton, JotterButton, MenuBackground, TitleFallback};
}

QStringList PictureNames::all()
{
    QStringList names = stills();
    for (const FrameSequence &sequence : FrameSequences::all())
        names += sequence.fileNames();
    return names;
}

QString PictureNames::icon(int pixels)
{
    return QStringLiteral("icons\\vertexa-%1.png").arg(pixels);
}
