// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/screendefinition.h"

#include <QCoreApplication>

const ControlDefinition *ScreenDefinition::find(const QString &controlName, int index) const
{
    for (const ControlDefinition &c : controls) {
        if (c.name == controlName && c.index == index)
            return &c;
    }
    return nullptr;
}

QString shownText(const QString &english, const char *disambiguation)
{
    if (english.isEmpty())
        return english;
    return QCoreApplication::translate("ScreenDefinitions", english.toUtf8().constData(), disambiguation);
}

QStringList screenNames()
{
    using namespace ScreenNames;
    return {Title, Menu, Proof, TriangleProblems, Explorer, StellatedProblems, Jotter};
}
