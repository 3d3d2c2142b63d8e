// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "jotter/padpicture.h"

#include "common/retainedsurface.h"

#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace PadPicture {

namespace {
constexpr double MetresPerInch = 0.0254;
constexpr double ScreenDpi = 96;
} // namespace

QImage image(const RetainedSurface &surface, const QColor &canvas, const QRegion &shown)
{
    const QRect bounds = shown.boundingRect();
    const qreal ratio = surface.devicePixelRatio();
    QImage picture((QSizeF(bounds.size()) * ratio).toSize(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(canvas);
    // Shown at the screen's size when pasted or opened: as many dots to the
    // inch as the display has pixels.
    picture.setDotsPerMeterX(qRound(ScreenDpi * ratio / MetresPerInch));
    picture.setDotsPerMeterY(picture.dotsPerMeterX());
    QPainter painter(&picture);
    painter.setClipRegion(shown.translated(-bounds.topLeft()));
    painter.drawImage(QPointF(-bounds.topLeft()), surface.image());
    return picture;
}

QString fileName(const QString &base, const QDateTime &when, const std::function<bool(const QString &)> &taken)
{
    const QString stem = base + u' ' + when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    QString name = stem + QStringLiteral(".png");
    for (int n = 2; taken(name); ++n)
        name = QStringLiteral("%1 (%2).png").arg(stem).arg(n);
    return name;
}

WriteResult writePng(const QImage &picture, const QString &path)
{
    QSaveFile file(path);
    // The temporary file goes beside the picture: failing to make it means
    // the folder takes no files.
    if (!file.open(QIODevice::WriteOnly))
        return WriteResult::FolderNotWritable;
    QImageWriter writer(&file, "png");
    if (!writer.write(picture) || !file.commit())
        return WriteResult::WriteFailed;
    return WriteResult::Written;
}

QRectF fitted(const QSizeF &picture, const QRectF &page)
{
    if (picture.isEmpty())
        return {};
    const QSizeF size = picture.scaled(page.size(), Qt::KeepAspectRatio);
    return QRectF(page.center() - QPointF(size.width(), size.height()) / 2, size);
}

} // namespace PadPicture
