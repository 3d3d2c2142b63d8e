// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

// How much larger the whole program is drawn: a fixed factor, or the largest
// step at which a lesson screen fits the primary monitor.
struct ProgramScale
{
    bool fit = false;
    double factor = 1;

    // The factor to draw at on a primary monitor whose available area is
    // `available` (in pixels at factor 1): for fit, the largest step at which
    // a lesson screen, 800 x 600 with its frame, lies inside that area; 1 when
    // even that does not fit.
    double factorFor(const QSizeF &available) const;
};

// What a teacher or an administrator may choose for a run, each left open
// until someone chooses it. The command line and the settings files use the
// same names ("language", "class-code", "scale", "read-aloud").
struct StartOptions
{
    std::optional<QString> language; // "en" or a translation's name
    std::optional<QString> classCode;
    std::optional<ProgramScale> scale;
    std::optional<bool> readAloud;

    // Every name, in the order help lists them.
    static const QStringList &names();

    // What the option `name` allows, in words.
    static QString allowed(const QString &name);

    // Takes `value` for the option `name`. When the value is not allowed,
    // nothing changes and the result says what is allowed.
    QString take(const QString &name, const QString &value);

    // This, with what it leaves open taken from `under`.
    StartOptions over(const StartOptions &under) const;
};
