// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screendefinition.h"

// The rows of the title screen (Titlefrm) and the topic menu (intro0).
const ScreenDefinition &titleScreenDefinition();
const ScreenDefinition &topicMenuDefinition();

// The publisher's details, shown on the title screen and the menu.
namespace Publisher {
extern const QString Name;
extern const QString Notice;
extern const QString WebAddress; // as shown
extern const QString WebUrl;     // as opened
extern const QString AuthorCredit;
} // namespace Publisher
