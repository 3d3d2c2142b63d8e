// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screendefinition.h"

#include <QFont>
#include <QStringList>

// The font a control asks for, falling back to the nearest installed face of
// the same kind: Liberation's metric twins for Arial and Times New Roman, a
// humanist sans for Tahoma.
QFont fontFor(const FontSpec &asked, const QFont &systemFont);

// Where Tahoma-metric faces lie outside the system's font path: Wine ships
// one (Debian's fonts-wine) that fontconfig does not list.
QStringList bundledFontFolders();

// Makes the Tahoma-metric faces found in `folders` available to the screens;
// call once the application object exists, before any screen is built.
// Files already added are not added again. Returns the families now added.
QStringList registerBundledFonts(const QStringList &folders = bundledFontFolders());

// Takes back what registerBundledFonts added, so the fallback faces can be
// checked on a machine that has the Tahoma-metric face.
void removeBundledFonts();
