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
    // Frame counter shared by every animation; each sets it to 0 as it starts.
    qint16 frameno = 0;

    // The stellated problems page's current frame sequence.
    QString smallprefix;
    QString picext;
    qint16 framecount = 0;
};
