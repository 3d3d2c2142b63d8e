// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The picture folders a visit is tried with: the real set the build generates
// beside the executable, no picture folders at all, or every picture damaged.
class PictureSetFolder
{
public:
    enum class Kind { Real, Absent, Damaged };
    // How a damaged copy of a picture is spoilt; the damaged set cycles
    // through all four, file by file.
    enum class Damage { Empty, Garbage, HeaderOnly, Truncated };

    explicit PictureSetFolder(Kind kind);

    QString root() const;
    Kind kind() const { return m_kind; }
    // Whether the program can read any picture at all from this folder.
    bool readable() const { return m_kind == Kind::Real; }

    // The folder the build generated the pictures in.
    static QString realRoot();
    // Every picture file under root, as paths relative to it with '/'.
    static QStringList pictureFiles(const QString &root);
    static QByteArray damaged(const QByteArray &good, Damage how, quint32 seed);

private:
    Kind m_kind;
    QTemporaryDir m_dir;
};
