// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

// What each screen reads aloud: the words a pupil needs from it, in the
// order they are read. A problems page reads its question and, once shown,
// the verdict or answer; the proof its step's explanation; the explorer its
// instructions and the names of its two boxes; the menu its topics.
namespace ScreenReading {

struct Part
{
    QString control;
    int index;
};

QList<Part> partsOf(const QString &screen);

// The words to read: the text of each part that is shown and not empty, a
// line each. `shownText` gives a part's text, or nothing when it is hidden.
QString compose(const QString &screen, const std::function<std::optional<QString>(const Part &)> &shownText);

} // namespace ScreenReading
