// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/navigation.h"

#include "screens/screen.h"
#include "screens/screencontext.h"

namespace Navigation {

void moveOn(Screen &from, const QString &to)
{
    ScreenRegistry &screens = from.context().screens();
    screens.show(to);
    screens.unload(&from);
}

void backToMenu(Screen &from)
{
    from.context().screens().unload(ScreenNames::Jotter);
    moveOn(from, ScreenNames::Menu);
}

} // namespace Navigation
