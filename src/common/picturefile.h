// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QImage>
#include <QString>

// Finds and reads the program's pictures. Names are relative paths with a
// backslash between folder and file ("Images\exit.jpg"), matched without
// regard to letter case, and resolved against the picture root: the folder
// that holds the executable unless told otherwise. Every call reads the file
// afresh; nothing is cached.
class PictureFolder
{
public:
    explicit PictureFolder(QString root = defaultRoot());

    QString root() const { return m_root; }

    // The file's absolute path, or an empty string when no file matches.
    QString resolve(const QString &name) const;

    // The decoded picture, or a null image when the file is missing, empty,
    // damaged or incomplete. Callers keep what they showed when it is null.
    QImage load(const QString &name) const;

    static QString defaultRoot();

private:
    QString m_root;
};

// Decodes a picture from bytes. A JPEG without its end marker or a GIF without
// its trailer counts as damaged: such a file would show a grey or partial
// picture, which is worse than keeping the previous one.
QImage decodePicture(const QByteArray &bytes);
