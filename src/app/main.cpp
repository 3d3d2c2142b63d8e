// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/displayprobes.h"
#include "app/vertexaapp.h"
#include "common/language.h"
#include "common/platformchoice.h"
#include "common/randomsource.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char *argv[])
{
    // Qt reads the platform once, when the application is made. It is passed
    // as an argument, not through the environment, so that programs started
    // from here (the browser) choose their own.
    const PlatformChoice choice =
        choosePlatform(SessionEnvironment::fromProcess(argc, argv), connectingDisplayProbes());
    if (!choice.failure.isEmpty()) {
        // Qt would abort with a core dump; a plain line says more.
        std::fprintf(stderr, "%s: %s\n", argv[0], qPrintable(choice.failure));
        return EXIT_FAILURE;
    }
    QByteArray platform = choice.platforms.toLocal8Bit();
    std::vector<char *> arguments(argv, argv + argc);
    char platformOption[] = "-platform";
    if (!platform.isEmpty()) {
        arguments.push_back(platformOption);
        arguments.push_back(platform.data());
    }
    int count = int(arguments.size());
    arguments.push_back(nullptr);

    QApplication app(count, arguments.data());
    // Before any screen is made: the screens take their words as they are built.
    Language::install(Language::fromEnvironment());
    ClockSeededRandom random;
    return runVertexa(app, random);
}
