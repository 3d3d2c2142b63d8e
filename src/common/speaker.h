// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QString>

// A voice that reads the program's words aloud. The program speaks through
// the desktop's speech engine; tests hand in one that records what it is told.
class Speaker
{
public:
    virtual ~Speaker() = default;
    // Whether a voice reads `language` ("en", "de", "pt_BR").
    virtual bool speaks(const QString &language) = 0;
    // Stops whatever is being read and reads `text` in `language`.
    virtual void say(const QString &text, const QString &language) = 0;
    virtual void stop() = 0;
};
