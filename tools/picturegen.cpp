// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers

// Draws the program's picture set into the folder given on the command line:
// the folder that holds the executable.
#include "pictureset.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Text is drawn with the system's fonts, which need a GUI application.
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vertexa_picturegen <program folder>\n");
        return 2;
    }
    const QStringList failures = PictureSet::writeAll(QString::fromLocal8Bit(argv[1]));
    for (const QString &name : failures)
        std::fprintf(stderr, "vertexa_picturegen: could not write %s\n", qPrintable(name));
    return failures.isEmpty() ? 0 : 1;
}
