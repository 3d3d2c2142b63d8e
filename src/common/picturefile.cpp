// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/picturefile.h"

#include "common/picturenames.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLoggingCategory>

#include <algorithm>

Q_LOGGING_CATEGORY(lcPictures, "vertexa.pictures", QtInfoMsg)

namespace {

// Pictures are small; anything larger is not one of ours.
constexpr qint64 LargestPicture = 32 * 1024 * 1024;

constexpr int LargestSide = 8192;
constexpr int LargestDecodedMegabytes = 128;

bool fitsLimits(const QSize &size)
{
    return size.isValid() && size.width() <= LargestSide && size.height() <= LargestSide;
}

bool isCompleteJpeg(const QByteArray &bytes)
{
    // Start of image ... end of image, allowing stray padding after the end.
    if (!bytes.startsWith("\xFF\xD8"))
        return false;
    const qsizetype end = bytes.lastIndexOf("\xFF\xD9");
    return end >= 2 && bytes.size() - end <= 64;
}

// Walks the blocks of a GIF up to its trailer: screen descriptor and colour
// table, then extensions and images, each ending in a zero-length sub-block.
// A search for the trailer byte is not enough: that byte is common inside the
// compressed pixels, so a cut file would often pass.
bool isCompleteGif(const QByteArray &bytes)
{
    if (!bytes.startsWith("GIF87a") && !bytes.startsWith("GIF89a"))
        return false;
    const qsizetype size = bytes.size();
    const auto byteAt = [&bytes](qsizetype i) { return quint8(bytes.at(i)); };
    const auto colourTableSize = [](quint8 flags) { return (flags & 0x80) ? 3 * (qsizetype(2) << (flags & 7)) : 0; };
    const auto skipSubBlocks = [&](qsizetype &pos) {
        while (pos < size) {
            const quint8 length = byteAt(pos++);
            if (length == 0)
                return true;
            pos += length;
        }
        return false;
    };

    constexpr qsizetype ScreenDescriptorEnd = 13;
    if (size < ScreenDescriptorEnd)
        return false;
    qsizetype pos = ScreenDescriptorEnd + colourTableSize(byteAt(10));
    bool hasImage = false;
    while (pos < size) {
        switch (byteAt(pos++)) {
        case 0x3B: // trailer, allowing stray padding after it
            return hasImage && size - pos <= 64;
        case 0x21: // extension: its label, then sub-blocks
            if (++pos > size || !skipSubBlocks(pos))
                return false;
            break;
        case 0x2C: { // image: descriptor, colour table, code size, sub-blocks
            constexpr qsizetype DescriptorSize = 9;
            if (pos + DescriptorSize > size)
                return false;
            pos += DescriptorSize + colourTableSize(byteAt(pos + DescriptorSize - 1));
            if (++pos > size || !skipSubBlocks(pos))
                return false;
            hasImage = true;
            break;
        }
        default:
            return false;
        }
    }
    return false;
}

// One path component, matched exactly first and then without regard to case.
QString matchEntry(const QDir &dir, const QString &component)
{
    if (QFileInfo::exists(dir.filePath(component)))
        return component;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry.compare(component, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

PictureFolder::PictureFolder(QString root)
    : m_root(std::move(root))
{
}

QString PictureFolder::defaultRoot()
{
    return rootForExecutable(QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                          : QDir::currentPath());
}

const QStringList &PictureFolder::folderNames()
{
    // Each folder once, spelled as its first picture in the list spells it:
    // the generator makes the folders in that order.
    static const QStringList names = [] {
        QStringList folders;
        for (const QString &name : PictureNames::all()) {
            const QString folder = name.section(u'\\', 0, 0);
            if (!folders.contains(folder, Qt::CaseInsensitive))
                folders.append(folder);
        }
        return folders;
    }();
    return names;
}

QString PictureFolder::rootForExecutable(const QString &executableDir)
{
    const auto holdsPictures = [](const QDir &dir) {
        for (const QString &folder : folderNames()) {
            const QString entry = matchEntry(dir, folder);
            if (!entry.isEmpty() && QFileInfo(dir.filePath(entry)).isDir())
                return true;
        }
        return false;
    };
    const QDir beside(executableDir);
    if (holdsPictures(beside))
        return beside.absolutePath();
    const QDir installed(beside.absoluteFilePath(QStringLiteral("../share/vertexa")));
    if (installed.exists() && holdsPictures(installed))
        return QDir::cleanPath(installed.absolutePath());
    return beside.absolutePath();
}

QString PictureFolder::resolve(const QString &name) const
{
    QString normalised = name;
    normalised.replace(u'\\', u'/');
    const QStringList components = normalised.split(u'/', Qt::SkipEmptyParts);
    if (components.isEmpty())
        return {};

    QDir dir(m_root);
    for (qsizetype i = 0; i < components.size(); ++i) {
        const QString &component = components.at(i);
        // Names are relative to the root and stay inside it.
        if (component == u"." || component == u"..")
            return {};
        const QString entry = matchEntry(dir, component);
        if (entry.isEmpty())
            return {};
        if (i + 1 < components.size()) {
            if (!dir.cd(entry))
                return {};
        } else {
            const QString path = dir.filePath(entry);
            const QFileInfo file(path);
            if (!file.isFile())
                return {};
            // A symbolic link on the way may lead out of the root: where it ends must be inside too.
            const QString inside = QDir(QDir(m_root).canonicalPath()).relativeFilePath(file.canonicalFilePath());
            return inside == u".." || inside.startsWith(QLatin1String("../")) ? QString() : path;
        }
    }
    return {};
}

QString PictureFolder::highResolutionName(const QString &name)
{
    const qsizetype folderEnd = std::max(name.lastIndexOf(u'\\'), name.lastIndexOf(u'/'));
    qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= folderEnd)
        dot = name.size();
    return name.left(dot) + QStringLiteral("@%1x").arg(HighResolutionRatio) + name.mid(dot);
}

QImage PictureFolder::load(const QString &name, qreal devicePixelRatio) const
{
    const QString path = resolve(name);
    const QImage picture = readFile(path);
    if (picture.isNull()) {
        qCDebug(lcPictures).noquote() << (path.isEmpty() ? "no picture" : "unreadable picture") << name;
        return picture;
    }
    if (devicePixelRatio <= 1)
        return picture;
    QImage fine = readFile(resolve(highResolutionName(name)));
    // A twin of any other size would change the picture's place on screen.
    if (fine.size() != picture.size() * HighResolutionRatio)
        return picture;
    fine.setDevicePixelRatio(HighResolutionRatio);
    return fine;
}

QImage PictureFolder::readFile(const QString &path)
{
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LargestPicture)
        return {};
    return decodePicture(file.readAll());
}

QImage decodePicture(const QByteArray &bytes)
{
    QByteArray format;
    if (isCompleteJpeg(bytes))
        format = "jpeg";
    else if (isCompleteGif(bytes))
        format = "gif";
    else
        return {};

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    // Refuse absurd dimensions before any memory is set aside for them. A GIF
    // names its screen size apart from its frames, so look again after reading.
    reader.setAllocationLimit(LargestDecodedMegabytes);
    if (!fitsLimits(reader.size()))
        return {};
    QImage image;
    if (!reader.read(&image) || !fitsLimits(image.size()))
        return {};
    return image;
}
