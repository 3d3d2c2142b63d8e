// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The pictures the program reads, by the names it reads them under. The
// animation frames are named by the sequences in common/framesequence.h;
// all() lists every file, for the generator that draws them and the checks
// that they are there.
namespace PictureNames {
inline const QString TitleFallback = QStringLiteral("opening\\stor0000.gif");
inline const QString MenuBackground = QStringLiteral("stor4\\stor0000.gif");
inline const QString Logo = QStringLiteral("Images\\logo2.jpg");
inline const QString ExitButton = QStringLiteral("Images\\exit.jpg");
inline const QString NextButton = QStringLiteral("Images\\next.jpg");
inline const QString AnswerButton = QStringLiteral("Images\\answer.jpg");
// These two spell the folder in lower case; both spellings are one folder.
inline const QString CheckButton = QStringLiteral("images\\check.jpg");
inline const QString JotterButton = QStringLiteral("images\\jotter.jpg");

// The single pictures above. "Images" comes before "images", so a folder
// made in this order gets the first spelling.
QStringList stills();
// The picture buttons that carry a word: the symbol drawn beside the word,
// the picture's name and the word, in English, marked for translation in
// the context "PictureButtons". Each language has its own set of these.
enum class ButtonSymbol { Exit, Next, Answer, Check, Jotter };
struct ButtonFace
{
    ButtonSymbol symbol;
    QString picture;
    const char *word;
};
const QList<ButtonFace> &buttonFaces();

// A language's variant of a still picture: its own folder inside the
// picture's folder ("Images\exit.jpg" gives "Images\de\exit.jpg"), so the
// picture folders stay the same. For "" (English), the name itself.
QString forLanguage(const QString &name, const QString &language);
// Every button face in every translated language (Language::translated()).
QStringList languageFaces();

// Every picture the program reads: the single ones, the language faces,
// then every frame of every sequence it plays.
QStringList all();

// The program's icon, a square PNG the given number of pixels wide; the
// title screen wears the WindowIconPixels one as its window icon.
constexpr int WindowIconPixels = 32;
QString icon(int pixels);
} // namespace PictureNames
