// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/approws.h"
#include "jotter/jotterrows.h"
#include "stellated/stellatedrows.h"
#include "triangle/trianglerows.h"

#include <QHash>
#include <stdexcept>

// The seven screens by name. Each topic keeps its own rows beside its
// screens; only the program, which knows every topic, lists them all.
const ScreenDefinition &screenDefinition(const QString &name)
{
    using Rows = const ScreenDefinition &(*)();
    static const QHash<QString, Rows> all{
        {ScreenNames::Title, &titleScreenDefinition},
        {ScreenNames::Menu, &topicMenuDefinition},
        {ScreenNames::Proof, &proofScreenDefinition},
        {ScreenNames::TriangleProblems, &trianglePageDefinition},
        {ScreenNames::Explorer, &explorerDefinition},
        {ScreenNames::StellatedProblems, &stellatedPageDefinition},
        {ScreenNames::Jotter, &jotterPadDefinition},
    };
    const auto it = all.constFind(name);
    if (it == all.constEnd())
        throw std::out_of_range("no screen named " + name.toStdString());
    return (*it)();
}
