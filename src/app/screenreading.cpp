// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/screenreading.h"

#include "screens/screendefinition.h"

namespace ScreenReading {

QList<Part> partsOf(const QString &screen)
{
    const auto part = [](const char *control, int index = NoIndex) {
        return Part{QString::fromLatin1(control), index};
    };
    if (screen == ScreenNames::Title)
        return {part("Label4", 0), part("Label4", 1)};
    if (screen == ScreenNames::Menu)
        return {part("Label2", 0), part("Label5", 0)};
    if (screen == ScreenNames::Proof)
        return {part("Label3")};
    if (screen == ScreenNames::Explorer)
        return {part("Label3"), part("Label5", 0), part("Label5", 1)};
    if (screen == ScreenNames::TriangleProblems || screen == ScreenNames::StellatedProblems)
        return {part("Label1"), part("Label4")};
    // The Jotter has no words to read.
    return {};
}

QString compose(const QString &screen, const std::function<std::optional<QString>(const Part &)> &shownText)
{
    QStringList lines;
    for (const Part &part : partsOf(screen)) {
        const QString text = shownText(part).value_or(QString()).simplified();
        if (!text.isEmpty())
            lines << text;
    }
    return lines.join(u'\n');
}

} // namespace ScreenReading
