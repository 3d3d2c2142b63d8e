// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

// One file of the picture set: the name the program reads it by (backslash
// between folder and file), its size in pixels and how to draw it.
struct PictureJob
{
    QString name;
    QSize size;
    std::function<QImage()> draw;
};

// Everything the program reads from the folders beside it, and its icons.
namespace PictureSet {

// Every picture the program reads (PictureNames::all(), in its order, with
// each language's button faces in that language's words), drawn
// ratio times as fine as the box that shows it: at 1 under the names the
// program reads, at PictureFolder::HighResolutionRatio under their fine
// twins' names. A name the generator has no drawing for gets a job with no
// size that draws nothing, so writing it fails.
QList<PictureJob> programPictures(int ratio = 1);

// The program's icon (PictureNames::icon): the title screen's window icon and
// larger sizes for the desktop.
QList<int> iconSizes();
QList<PictureJob> icons();

// Every file writeAll writes: the pictures at both ratios and the icons.
QList<PictureJob> allFiles();

// Where a picture goes under root. Folder names match existing folders
// without regard to case, as the program reads them, so "Images\exit.jpg"
// and "images\check.jpg" land in one folder.
QString outputPath(const QString &root, const QString &name);

// The file's bytes in the format its extension names: GIF, JPEG or PNG.
QByteArray encode(const QImage &image, const QString &name);

// Draws and writes every picture and icon under root. Returns the names it
// could not write; empty when all went well.
QStringList writeAll(const QString &root);

} // namespace PictureSet
