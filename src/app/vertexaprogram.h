// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/program.h"

#include <QObject>

class QApplication;

// The program exactly as the executable runs it: every screen registered, the
// title screen first, and finished once "Exit" is pressed or the last screen
// has been closed. Tests start this same object with their own random source
// and picture folder.
class VertexaProgram : public QObject
{
    Q_OBJECT
public:
    explicit VertexaProgram(RandomSource &random, PictureFolder pictures = PictureFolder());
    ~VertexaProgram() override;

    Program &program() { return m_program; }
    ScreenRegistry &screens() { return m_program.screens(); }
    bool isFinished() const { return m_finished; }

    // Shows the title screen.
    void start();

Q_SIGNALS:
    // Nothing is left to do: the program ends.
    void finished();

private:
    void finish();

    Program m_program;
    bool m_finished = false;
};

// Runs the program on `app` until it finishes; the result is the exit code.
int runVertexa(QApplication &app, RandomSource &random, PictureFolder pictures = PictureFolder());
