// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screen.h"
#include "triangle/proofsteps.h"

class Label;

// The walk-through of the proof that the angles of a triangle add up to 180°.
// Each click on the step button shows the next view of ProofSteps.
class ProofScreen : public Screen
{
    Q_OBJECT
public:
    explicit ProofScreen(ScreenContext &context);

    void Form_Load() override;

private:
    void nextProofStep();
    void openProblems();
    void exitToMenu();
    void applyView(const ProofView &view);
    QWidget &figurePart(const ProofFigurePart &part) const;

    // Created with the screen, so every visit begins at view 0.
    ProofSteps m_steps;
    Label &m_explanation;
    Label &m_stepButton;
    // The parts the walk-through shows and hides, in ProofFigure's order.
    QList<QWidget *> m_figure;
};
