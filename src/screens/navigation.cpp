// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/navigation.h"

#include "screens/program.h"
#include "screens/screen.h"

namespace Navigation {

void moveOn(Screen &from, const QString &to)
{
    ScreenRegistry &screens = from.program().screens();
    screens.show(to);
    screens.unload(&from);
}

void backToMenu(Screen &from)
{
    from.program().screens().unload(ScreenNames::Jotter);
    moveOn(from, ScreenNames::Menu);
}

} // namespace Navigation
