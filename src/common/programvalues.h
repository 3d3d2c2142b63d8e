// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The few values that live from start-up to exit and are shared by screens.
// Nothing here is ever saved.
struct ProgramValues
{
    // The correct answer of the question now shown.
    double answer = 0;

    // Type number (0 to 7) of the question drawn last, on either problems page.
    // Empty until the first draw of the run.
    std::optional<int> lastquestion;
    // Empty compares equal to 0.
    int lastQuestionOrZero() const { return lastquestion.value_or(0); }

    // Frame counter shared by every animation; each sets it to 0 as it starts.
    qint16 frameno = 0;

    // The stellated problems page's current frame sequence.
    QString smallprefix;
    QString picext;
    qint16 framecount = 0;
};
