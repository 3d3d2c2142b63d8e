// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "support/testpictures.h"

#include "common/picturenames.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

TestPictures::TestPictures() = default;

QString TestPictures::pathFor(const QString &name) const
{
    return m_dir.filePath(QString(name).replace(u'\\', u'/'));
}

void TestPictures::writeBytes(const QString &name, const QByteArray &bytes)
{
    const QString path = pathFor(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test picture %s", qPrintable(path));
}

void TestPictures::write(const QString &name, const QColor &colour, const QSize &size)
{
    const bool gif = name.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive);
    writeBytes(name, gif ? gifBytes(colour) : jpegBytes(colour, size));
}

void TestPictures::remove(const QString &name)
{
    QFile::remove(pathFor(name));
}

QByteArray TestPictures::gifBytes(const QColor &colour)
{
    // A one-pixel GIF whose only pixel is colour table entry 0: screen, the
    // two-entry table, image descriptor, pixels, trailer.
    return QByteArray::fromHex("47494638396101000100800000" + colour.name().mid(1).toLatin1() +
                               "0000002c00000000010001000002024401003b");
}

QByteArray TestPictures::jpegBytes(const QColor &colour, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "jpeg", 100);
    return bytes;
}

QColor TestPictures::colourFor(const QString &name)
{
    // Distinct, well-separated colours derived from the name.
    const QByteArray hash = QCryptographicHash::hash(name.toLower().toUtf8(), QCryptographicHash::Md5);
    return QColor(uchar(hash[0]) & 0xF0, uchar(hash[1]) & 0xF0, uchar(hash[2]) & 0xF0);
}

void TestPictures::writeProgramSet()
{
    for (const QString &name : PictureNames::all())
        write(name, colourFor(name));
}

bool sameColour(const QColor &a, const QColor &b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}
