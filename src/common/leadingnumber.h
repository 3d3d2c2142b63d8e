// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QStringView>

// Reads typed text as a number the way a pupil would expect a calculator to:
// blanks, tabs and line feeds are ignored wherever they stand, the number at
// the start is taken and reading stops at the first character that does not
// fit. "&H" and "&O" introduce hexadecimal and octal whole numbers. Text that
// does not begin with a number reads as 0; a value too large for a double
// reads as infinity, one too small as 0.
double leadingNumber(QStringView text);
