// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/framecache.h"

FrameCache::FrameCache(qsizetype budgetBytes)
    : m_budget(budgetBytes)
{
}

QImage FrameCache::frame(const PictureFolder &folder, const QString &name, qreal devicePixelRatio)
{
    if (folder.root() != m_root || devicePixelRatio != m_ratio) {
        clear();
        m_root = folder.root();
        m_ratio = devicePixelRatio;
    }
    const bool fine = devicePixelRatio > 1;
    const auto kept = m_frames.constFind(name);
    if (kept != m_frames.cend())
        return *kept;

    const QImage loaded = folder.load(name, devicePixelRatio);
    if (loaded.isNull())
        return loaded;
    // The raster painter blends these two straight; any other format would be
    // converted on every paint.
    QImage ready =
        loaded.convertToFormat(loaded.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (loaded.devicePixelRatio() > devicePixelRatio) {
        // A display between the two resolutions gets the fine twin brought to
        // its own pixels once, not filtered again at every paint.
        const QSizeF shown = loaded.deviceIndependentSize();
        ready = ready.scaled((shown * devicePixelRatio).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        ready.setDevicePixelRatio(devicePixelRatio);
    }
    if (m_bytes + ready.sizeInBytes() <= m_budget * (fine ? FineBudgetFactor : 1)) {
        m_bytes += ready.sizeInBytes();
        m_frames.insert(name, ready);
    }
    return ready;
}

void FrameCache::clear()
{
    m_frames.clear();
    m_bytes = 0;
}
