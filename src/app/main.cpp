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
    // The desktop takes the program's name and icon from the installed
    // desktop file. No display name: window systems would append it to every
    // caption.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Vertexa"));
    // Before any screen is built, so that Tahoma resolves to the Tahoma-metric face.
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
