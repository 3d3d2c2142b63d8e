// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "gifwriter.h"

#include <QHash>

#include <gif_lib.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

namespace {

// Distance as the eye weighs it, roughly: green counts most, blue least.
int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 2 * dr * dr + 4 * dg * dg + 3 * db * db;
}

int nearest(const QList<QRgb> &palette, QRgb colour)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int d = distance(palette.at(i), colour);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

int appendToBuffer(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

struct MapDeleter
{
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};

} // namespace

GifWriter::GifWriter(QList<QRgb> keptColours)
{
    for (QRgb colour : keptColours) {
        colour = qRgb(qRed(colour), qGreen(colour), qBlue(colour));
        if (!m_kept.contains(colour) && m_kept.size() < MaxColours)
            m_kept.append(colour);
    }
}

QList<QRgb> GifWriter::palette(const QImage &image) const
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x] | 0xFF000000u];
    }
    // Most used first; equal counts in colour order, so the table never
    // depends on the hash's iteration order.
    std::vector<std::pair<int, QRgb>> byUse;
    byUse.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byUse.emplace_back(it.value(), it.key());
    std::sort(byUse.begin(), byUse.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });

    QList<QRgb> table;
    for (QRgb colour : m_kept)
        table.append(colour | 0xFF000000u);
    if (table.size() + qsizetype(byUse.size()) > MaxColours) {
        // Too many to keep them all: a coarse even spread first, so no
        // colour ends up far from its nearest entry.
        for (int r = 0; r < 4; ++r)
            for (int g = 0; g < 4; ++g)
                for (int b = 0; b < 4; ++b) {
                    const QRgb colour = qRgb(r * 85, g * 85, b * 85);
                    if (table.size() < MaxColours && !table.contains(colour))
                        table.append(colour);
                }
    }
    for (const auto &[count, colour] : byUse) {
        if (table.size() >= MaxColours)
            break;
        if (!table.contains(colour))
            table.append(colour);
    }
    return table;
}

QByteArray GifWriter::encode(const QImage &image) const
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QList<QRgb> table = palette(rgb);

    // giflib wants a power of two entries; the spare ones stay black.
    int entries = 2;
    while (entries < table.size())
        entries *= 2;
    std::vector<GifColorType> colours(entries, GifColorType{0, 0, 0});
    for (int i = 0; i < table.size(); ++i)
        colours[i] = GifColorType{GifByteType(qRed(table.at(i))),
                                  GifByteType(qGreen(table.at(i))),
                                  GifByteType(qBlue(table.at(i)))};
    std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(entries, colours.data()));
    if (!map)
        return {};

    QByteArray bytes;
    int error = 0;
    GifFileType *gif = EGifOpen(&bytes, appendToBuffer, &error);
    if (!gif)
        return {};
    bool ok = EGifPutScreenDesc(gif, rgb.width(), rgb.height(), map->BitsPerPixel, 0, map.get()) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, rgb.width(), rgb.height(), false, nullptr) == GIF_OK;

    QHash<QRgb, GifByteType> indexOf;
    std::vector<GifPixelType> row(rgb.width());
    for (int y = 0; ok && y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = line[x] | 0xFF000000u;
            auto it = indexOf.constFind(colour);
            if (it == indexOf.constEnd())
                it = indexOf.insert(colour, GifByteType(nearest(table, colour)));
            row[x] = *it;
        }
        ok = EGifPutLine(gif, row.data(), rgb.width()) == GIF_OK;
    }
    if (EGifCloseFile(gif, &error) != GIF_OK)
        ok = false;
    return ok ? bytes : QByteArray();
}
