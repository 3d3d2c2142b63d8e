// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers

// installedpictures <folder of the installed executable>
// Finds the picture root the way the program does for an executable in that
// folder and reads every picture the program uses, and the window icon it
// hands to Qt by path. Prints what it could not read; exits 1 if anything is missing.
#include "common/picturefile.h"
#include "common/picturenames.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const PictureFolder folder(PictureFolder::rootForExecutable(QCoreApplication::arguments().value(1)));
    QStringList missing;
    for (const QString &name : PictureNames::all()) {
        if (folder.load(name).isNull())
            missing += name;
    }
    // The icon goes to Qt by its path, not through the program's reader.
    if (const QString icon = PictureNames::icon(PictureNames::WindowIconPixels); folder.resolve(icon).isEmpty())
        missing += icon;
    QTextStream(stdout) << "picture root " << folder.root() << ", cannot read: " << missing.join(u' ') << '\n';
    return missing.isEmpty() && argc == 2 ? 0 : 1;
}
