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
#include <QImageWriter>

TestPictures::TestPictures()
{
    Q_ASSERT(m_dir.isValid());
}

QString TestPictures::pathFor(const QString &name) const
{
    QString relative = name;
    relative.replace(u'\\', u'/');
    return m_dir.filePath(relative);
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
    // A one-pixel GIF whose only pixel is colour table entry 0.
    QByteArray bytes("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    bytes.append(char(colour.red())).append(char(colour.green())).append(char(colour.blue()));
    bytes.append("\x00\x00\x00", 3);
    bytes.append("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
    bytes.append("\x02\x02\x44\x01\x00", 5);
    bytes.append('\x3B');
    return bytes;
}

QByteArray TestPictures::jpegBytes(const QColor &colour, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(100);
    if (!writer.write(image))
        qFatal("cannot encode a test JPEG");
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
