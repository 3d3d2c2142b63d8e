// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/picturenames.h"

#include "common/framesequence.h"
#include "common/language.h"

#include <QCoreApplication>

QStringList PictureNames::stills()
{
    QStringList names{Logo};
    for (const ButtonFace &face : buttonFaces())
        names.append(face.picture);
    return names + QStringList{MenuBackground, TitleFallback};
}

const QList<PictureNames::ButtonFace> &PictureNames::buttonFaces()
{
    // The words are drawn into the button pictures (84 x 33 pixels beside a
    // symbol), one set of pictures per language.
    static const QList<ButtonFace> faces{
        {ButtonSymbol::Exit,
         ExitButton,
         //: Leaves the screen (on the menu: back to the title screen), on its picture button.
         QT_TRANSLATE_NOOP("PictureButtons", "Exit")},
        {ButtonSymbol::Next,
         NextButton,
         //: Gives the next question, on its picture button.
         QT_TRANSLATE_NOOP("PictureButtons", "Next")},
        {ButtonSymbol::Answer,
         AnswerButton,
         //: Shows the answer to the question, on its picture button.
         QT_TRANSLATE_NOOP("PictureButtons", "Answer")},
        {ButtonSymbol::Check,
         CheckButton,
         //: Checks the typed answer, on its picture button.
         QT_TRANSLATE_NOOP("PictureButtons", "Check")},
        {ButtonSymbol::Jotter,
         JotterButton,
         //: The drawing pad's name, on its picture button; keep it short.
         QT_TRANSLATE_NOOP("PictureButtons", "Jotter")},
    };
    return faces;
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
        for (const ButtonFace &face : buttonFaces())
            names.append(forLanguage(face.picture, language));
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
