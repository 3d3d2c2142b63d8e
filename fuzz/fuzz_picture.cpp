// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// Arbitrary bytes in a picture file, under either extension.
#include "common/picturefile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(QDir(folder().path()).filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(bytes);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QImage decoded = decodePicture(bytes);
    if (!decoded.isNull() && (decoded.width() > 8192 || decoded.height() > 8192))
        std::abort();

    const PictureFolder pictures(folder().path());
    for (const QString &name : {QStringLiteral("frame.jpg"), QStringLiteral("frame.gif")}) {
        writeFile(name, bytes);
        const QImage loaded = pictures.load(name);
        // The loader reads by content, so the extension must not change the verdict.
        if (loaded.isNull() != decoded.isNull())
            std::abort();
    }
    return 0;
}
