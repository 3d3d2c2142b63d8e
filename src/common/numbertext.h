// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QString>

// A number as the pupil reads it: no leading blank, a minus sign for negative
// values, no decimal point for whole values, otherwise up to 15 significant
// digits ("7", "20", "-1", "0.5"), with `decimalSeparator` as the point ("0,5").
QString plainNumber(double value, QChar decimalSeparator = u'.');

// The same with one blank in front of a zero or positive number (" 3", " 0",
// "-1"): the form that question texts put after a word.
QString blankLedNumber(double value);
