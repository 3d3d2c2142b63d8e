// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "picturesets.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

PictureSetFolder::PictureSetFolder(Kind kind)
    : m_kind(kind)
{
    if (kind != Kind::Damaged)
        return;
    const QString real = realRoot();
    const QStringList files = pictureFiles(real);
    for (qsizetype i = 0; i < files.size(); ++i) {
        QFile in(QDir(real).filePath(files.at(i)));
        if (!in.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(in.fileName()));
        const QString target = m_dir.filePath(files.at(i));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile out(target);
        const QByteArray bytes = damaged(in.readAll(), Damage(i % 4), quint32(i));
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(target));
    }
}

QString PictureSetFolder::root() const
{
    return m_kind == Kind::Real ? realRoot() : m_dir.path();
}

QString PictureSetFolder::realRoot()
{
    return QStringLiteral(VERTEXA_PROGRAM_DIR);
}

QStringList PictureSetFolder::pictureFiles(const QString &root)
{
    QStringList files;
    QDirIterator it(root, {QStringLiteral("*.jpg"), QStringLiteral("*.gif")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(root).relativeFilePath(it.next()));
    files.sort();
    return files;
}

QByteArray PictureSetFolder::damaged(const QByteArray &good, Damage how, quint32 seed)
{
    switch (how) {
    case Damage::Empty:
        return {};
    case Damage::Garbage: {
        QRandomGenerator random(seed);
        QByteArray bytes(64 + int(random.bounded(4096)), Qt::Uninitialized);
        for (char &b : bytes)
            b = char(random.bounded(256));
        return bytes;
    }
    case Damage::HeaderOnly:
        // The signature and the first header fields, nothing of the picture.
        return good.left(good.startsWith("GIF") ? 13 : 20);
    case Damage::Truncated:
        return good.left(good.size() / 2);
    }
    return {};
}
