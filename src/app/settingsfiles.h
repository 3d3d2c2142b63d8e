// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "app/startoptions.h"

#include <QProcessEnvironment>
#include <QStringList>

// The settings an administrator writes once for every pupil of a machine
// (vertexa.conf in a folder of XDG_CONFIG_DIRS, /etc/xdg by default) and a
// user's own beside them (in XDG_CONFIG_HOME, ~/.config by default). The
// program reads them and never writes them.
namespace SettingsFiles {

// The files in the order they count, the weakest first: the system's folders
// from the last of XDG_CONFIG_DIRS to the first, then the user's.
QStringList paths(const QProcessEnvironment &env);

// The options the files choose, a later file winning over an earlier one.
// A file that cannot be read, and a key or value that is not allowed, each
// add one line to `warnings` and are left out; the rest counts.
StartOptions read(const QStringList &paths, QStringList &warnings);

} // namespace SettingsFiles
