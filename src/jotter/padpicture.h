// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QDateTime>
#include <QImage>
#include <QRectF>
#include <QRegion>
#include <functional>

class RetainedSurface;

// The Jotter's drawing as something to keep: a picture of it, the name it is
// first offered under, the file it is written to and its place on a page.
namespace PadPicture {

// The drawing as the pupil sees it, at the display's full resolution: the
// part of the pad in `shown` (device-independent pixels; the pad less its
// controls) over the canvas colour. Within the picture, what a control
// covers shows as bare canvas.
QImage image(const RetainedSurface &surface, const QColor &canvas, const QRegion &shown);

// "<base> 2026-12-07 09-15-30.png": dated, so that names sort by time and a
// new one does not replace the last; " (2)" and on when that name is taken.
QString fileName(const QString &base, const QDateTime &when, const std::function<bool(const QString &)> &taken);

enum class WriteResult { Written, FolderNotWritable, WriteFailed };
// Writes a PNG through a temporary file that replaces `path` only once it is
// complete: a full disk leaves any earlier file as it was.
WriteResult writePng(const QImage &picture, const QString &path);

// Where a picture goes on a page: as large as fits, centred, its
// proportions kept.
QRectF fitted(const QSizeF &picture, const QRectF &page);

} // namespace PadPicture
