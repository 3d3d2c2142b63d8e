// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers

// installedpictures <folder of the installed executable>
// Finds the picture root the way the program does for an executable in that
// folder and reads every picture the program uses. Prints what it could not
// read; exits 1 if anything is missing.
#include "common/picturefile.h"
#include "common/picturenames.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        out << "usage: installedpictures <folder of the executable>\n";
        return 2;
    }
    const PictureFolder folder(PictureFolder::rootForExecutable(args.at(1)));
    out << "picture root: " << folder.root() << '\n';

    const QStringList names = PictureNames::all();

    int missing = 0;
    for (const QString &name : std::as_const(names)) {
        if (folder.load(name).isNull()) {
            out << "cannot read " << name << '\n';
            ++missing;
        }
    }
    // The title screen's window icon, a PNG the program hands to Qt by path.
    const QString icon = PictureNames::icon(PictureNames::WindowIconPixels);
    if (folder.resolve(icon).isEmpty()) {
        out << "cannot find " << icon << '\n';
        ++missing;
    }
    out << names.size() + 1 - missing << " of " << names.size() + 1 << " pictures found\n";
    return missing == 0 ? 0 : 1;
}
