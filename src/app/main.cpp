// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/screenset.h"
#include "common/randomsource.h"
#include "screens/fonts.h"
#include "screens/program.h"
#include "screens/screendefinition.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vertexa"));
    // No display name: the window systems would add it to every caption.
    // The desktop file id matches the installed desktop file, so the desktop shows our name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Vertexa"));
    registerBundledFonts();
    // The program ends when it has no screen left, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    ClockSeededRandom random;
    Program program(random);
    registerProgramScreens(program.screens());
    QObject::connect(&program.screens(), &ScreenRegistry::endRequested, &app, &QApplication::quit);
    QObject::connect(&program.screens(), &ScreenRegistry::lastScreenUnloaded, &app, &QApplication::quit);

    program.screens().show(ScreenNames::Title);
    return app.exec();
}
