// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QChar>
#include <QStringView>

// Reads typed text as a number the way a pupil would expect a calculator to:
// blanks, tabs and line feeds are ignored wherever they stand, the number at
// the start is taken and reading stops at the first character that does not
// fit. "&H" and "&O" introduce hexadecimal and octal whole numbers. Text that
// does not begin with a number reads as 0; a value too large for a double
// reads as infinity, one too small as 0.
//
// A point always counts as the decimal point. Where pupils write a decimal
// comma (`decimalSeparator` is ','), a comma counts as one too, in the same
// place: the first separator starts the fraction, a second ends the number.
double leadingNumber(QStringView text, QChar decimalSeparator = u'.');
