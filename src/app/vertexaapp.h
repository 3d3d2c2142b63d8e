// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "app/startoptions.h"
#include "screens/screencontext.h"

#include <QObject>

class QApplication;

// The program exactly as the executable runs it: every screen registered, the
// title screen first, and finished once "Exit" is pressed or the last screen
// has been closed. Tests start this same object with their own random source
// and picture folder.
class VertexaApp : public QObject
{
    Q_OBJECT
public:
    explicit VertexaApp(RandomSource &random, PictureFolder pictures = PictureFolder());
    ~VertexaApp() override;

    ScreenContext &context() { return m_context; }
    ScreenRegistry &screens() { return m_context.screens(); }
    bool isFinished() const { return m_finished; }

    // Shows the title screen.
    void start();

Q_SIGNALS:
    // Nothing is left to do: the program ends.
    void finished();

private:
    void finish();

    ScreenContext m_context;
    bool m_finished = false;
};

// Runs the program on `app`, with what the teacher chose, until it finishes;
// the result is the exit code.
int runVertexa(QApplication &app, RandomSource &random, const StartOptions &options);
