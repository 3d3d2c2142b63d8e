// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "app/startoptions.h"

#include <QProcessEnvironment>
#include <QStringList>
#include <optional>

// What a run is to do, decided before any screen from its command line (Qt's
// own options already taken out), the settings files and the environment:
// the command line wins over the user's file, that over the system's, and
// all of them over the environment. Started with nothing, every option stays
// open and the program is what it always was.
struct StartChoice
{
    StartOptions options;
    // Set when the run ends here: help and version (0) or a bad command line (2).
    std::optional<int> exitCode;
    // For standard output: the help or the version.
    QString output;
    // For standard error, one line each: what was wrong and left out.
    QStringList warnings;

    static StartChoice decide(const QStringList &arguments, const QProcessEnvironment &env);
};
