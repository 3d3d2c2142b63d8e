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
    const QString icon = PictureNames::icon(PictureNames::WindowIconPixels);
    const QStringList names = PictureNames::all() << icon;
    qsizetype found = 0;
    for (const QString &name : names) {
        // The icon goes to Qt by its path, not through the program's reader.
        if (name == icon ? !folder.resolve(name).isEmpty() : !folder.load(name).isNull())
            ++found;
        else
            out << "cannot read " << name << '\n';
    }
    out << found << " of " << names.size() << " pictures found\n";
    return found == names.size() && argc == 2 ? 0 : 1;
}
