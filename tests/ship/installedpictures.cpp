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
    QTextStream out(stdout);
    const PictureFolder folder(PictureFolder::rootForExecutable(QCoreApplication::arguments().value(1)));
    out << "picture root: " << folder.root() << '\n';
    const QStringList names = PictureNames::all();
    int missing = 0;
    for (const QString &name : names) {
        if (folder.load(name).isNull()) {
            out << "cannot read " << name << '\n';
            ++missing;
        }
    }
    const QString icon = PictureNames::icon(PictureNames::WindowIconPixels);
    if (folder.resolve(icon).isEmpty()) {
        out << "cannot find " << icon << '\n';
        ++missing;
    }
    out << names.size() + 1 - missing << " of " << names.size() + 1 << " pictures found\n";
    return missing == 0 && argc == 2 ? 0 : 1;
}
