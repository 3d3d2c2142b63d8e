// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QString>

// The single pictures the program reads, by the names it reads them under.
// The animation frames are named by the sequences in problems/framesequence.h.
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
} // namespace PictureNames
