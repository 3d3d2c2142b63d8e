// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screendefinition.h"

#include <QFont>

// The font a control asks for, falling back to the nearest installed face of
// the same kind: Liberation's metric twins for Arial and Times New Roman, a
// humanist sans for Tahoma.
QFont fontFor(const FontSpec &spec, const QFont &systemFont);
