// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Finds and reads the program's pictures. Names are relative paths with a
// backslash between folder and file ("Images\exit.jpg"), matched without
// regard to letter case, and resolved against the picture root (see
// rootForExecutable). Every call reads the file afresh; nothing is cached.
class PictureFolder
{
public:
    explicit PictureFolder(QString root = defaultRoot());

    QString root() const { return m_root; }

    // The file's absolute path, or an empty string when no file matches.
    QString resolve(const QString &name) const;

    // The decoded picture, or a null image when the file is missing, empty,
    // damaged or incomplete. Callers keep what they showed when it is null.
    // On a display finer than one pixel per pixel (devicePixelRatio above 1)
    // the picture's twice-as-fine twin is given instead, marked with its
    // ratio, when one is beside it and readable at exactly twice the size:
    // it fills the same space, only sharper. The named file still decides
    // whether there is a picture at all.
    QImage load(const QString &name, qreal devicePixelRatio = 1) const;

    // The ratio of the fine twins, and the name of a picture's twin: the
    // usual "@2x" before the extension ("tri2sm\tri200@2x.jpg").
    static constexpr int HighResolutionRatio = 2;
    static QString highResolutionName(const QString &name);

    // The root for the running program's own executable.
    static QString defaultRoot();

    // Where the pictures are for an executable in executableDir: that folder
    // itself when it holds picture folders (the build tree, a self-contained
    // copy), else the installed data folder ../share/vertexa beside it, which
    // also holds after the whole tree is moved elsewhere. When neither holds
    // any, the executable's folder, so that every look-up simply fails.
    static QString rootForExecutable(const QString &executableDir);

    // The folders the program's pictures live in, as they are spelled on disk.
    static const QStringList &folderNames();

private:
    static QImage readFile(const QString &path);

    QString m_root;
};

// Decodes a picture from bytes. A JPEG without its end marker or a GIF without
// its trailer counts as damaged: such a file would show a grey or partial
// picture, which is worse than keeping the previous one.
QImage decodePicture(const QByteArray &bytes);
