# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Vertexa developers
# cmake -DTS=<file.ts> -P marktranslation.cmake
# Translates every message of a .ts that lupdate made into its own source
# between marks, "⟦" + source + "⟧", placeholders and all, so that a text
# the program shows without the marks did not pass through a translation.
file(READ "${TS}" ts)
set(comments "([ \n]*<(extra|translator)?comment>[^<]*</(extra|translator)?comment>)*")
string(REGEX REPLACE
    "<source>([^<]*)</source>(${comments})[ \n]*<translation type=\"unfinished\"></translation>"
    "<source>\\1</source>\\2<translation>⟦\\1⟧</translation>" ts "${ts}")
# Plural forms: one form, marked the same way.
string(REGEX REPLACE
    "<source>([^<]*)</source>(${comments})[ \n]*<translation type=\"unfinished\">[ \n]*<numerusform></numerusform>[ \n]*</translation>"
    "<source>\\1</source>\\2<translation><numerusform>⟦\\1⟧</numerusform></translation>" ts "${ts}")
file(WRITE "${TS}" "${ts}")
