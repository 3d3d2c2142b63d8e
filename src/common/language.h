// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The language the program speaks: English, its source language, or one of
// the translations compiled into it, chosen from the desktop's settings.
namespace Language {

// The languages the program speaks besides English (its source language): one
// for each translation compiled in, named as its file is ("de", "pt_BR"), sorted.
QStringList translated();

// The language to speak, from LANGUAGE, LC_ALL, LC_MESSAGES, LANG in that order
// (LANGUAGE is a colon-separated list; it counts only when the locale is not C/POSIX);
// A locale names a translation by language and territory ("pt_BR.UTF-8") or by
// language alone ("de_AT" gives "de"); "" (English) when none names one.
QString fromEnvironment(const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment());

// Installs on the running application the program's own translation for `language`
// (from :/i18n) and Qt's, replacing any installed before; "" or "en" removes them.
// Returns false when the program has no translation for it (then English stays).
bool install(const QString &language);

// The language installed now; "" for English.
QString current();

// The decimal separator pupils of `language` write ("" is English): a point or a comma.
QChar decimalSeparator(const QString &language = current());

} // namespace Language
