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
    void Label5_Click();
    void Label2_Click();
    void cmdexit_Click();
    void applyView(const ProofView &view);

    // Created with the screen, so every visit begins at view 0.
    ProofSteps m_steps;
    Label *m_explanation; // Label3
    Label *m_stepButton;  // Label5
};
