// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screen.h"

class Label;
struct ProofView;

// The walk-through of the proof that the angles of a triangle add up to 180°.
// Each click on the step button shows the next view of ProofSteps.
class ProofScreen : public Screen
{
    Q_OBJECT
public:
    explicit ProofScreen(Program &program);

    void Form_Load() override;
    void Label5_Click();
    void Label2_Click();
    void cmdexit_Click();

    // The number of the view last shown; -1 once the last view has been shown.
    qint16 proofstep = 0;

private:
    void applyView(const ProofView &view);

    Label *m_explanation; // Label3
    Label *m_stepButton;  // Label5
};
