// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/picturenames.h"

#include "common/framesequence.h"
#include "common/language.h"

QStringList PictureNames::stills()
{
    return {Logo, ExitButton, NextButton, AnswerButton, CheckButton, JotterButton, MenuBackground, TitleFallback};
}

QStringList PictureNames::buttonFaces()
{
    return {ExitButton, NextButton, AnswerButton, CheckButton, JotterButton};
}

QString PictureNames::forLanguage(const QString &name, const QString &language)
{
    if (language.isEmpty())
        return name;
    const qsizetype folderEnd = name.lastIndexOf(u'\\');
    return name.left(folderEnd + 1) + language + u'\\' + name.mid(folderEnd + 1);
}

QStringList PictureNames::languageFaces()
{
    QStringList names;
    for (const QString &language : Language::translated()) {
        for (const QString &face : buttonFaces())
            names.append(forLanguage(face, language));
    }
    return names;
}

QStringList PictureNames::all()
{
    QStringList names = stills() + languageFaces();
    for (const FrameSequence &sequence : FrameSequences::all())
        names += sequence.fileNames();
    return names;
}

QString PictureNames::icon(int pixels)
{
    return QStringLiteral("icons\\vertexa-%1.png").arg(pixels);
}
