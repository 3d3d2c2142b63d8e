// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

// A picture folder of the tests' own making: every picture is one flat
// colour, so a test can tell which file a control shows by its colour.
class TestPictures
{
public:
    TestPictures();

    QString root() const { return m_dir.path(); }

    // Writes a picture under the program's kind of name ("Images\exit.jpg");
    // the format follows the extension.
    void write(const QString &name, const QColor &colour, const QSize &size = QSize(8, 8));
    void writeBytes(const QString &name, const QByteArray &bytes);
    void remove(const QString &name);

    // Every picture the program reads, each in a colour of its own.
    void writeProgramSet();
    // The colour writeProgramSet gave a file.
    static QColor colourFor(const QString &name);

    static QByteArray gifBytes(const QColor &colour);
    static QByteArray jpegBytes(const QColor &colour, const QSize &size);

private:
    QString pathFor(const QString &name) const;
    QTemporaryDir m_dir;
};

// The colour at the centre of a picture, near enough to compare.
bool sameColour(const QColor &a, const QColor &b, int tolerance = 8);
