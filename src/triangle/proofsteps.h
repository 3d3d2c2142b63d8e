// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "triangle/prooffigure.h"

#include <QList>
#include <QString>

// What applying one view changes: parts to hide, then parts to show (each in
// its order), the explanation, and the step button's caption (empty: keep it).
struct ProofView
{
    QList<ProofFigurePart> hide;
    QList<ProofFigurePart> show;
    QString text;
    QString caption;
};

// The step machine of the angle-sum proof: six views, 0 to 5, one per click,
// round and round. Views 1 to 4 each reveal one more part of the figure and
// keep the rest; view 5 changes only the words; view 0 puts everything back.
// It starts at view 0, the figure as the proof screen defines it.
class ProofSteps
{
public:
    static constexpr qint16 FirstView = 0;
    static constexpr qint16 LastView = 5;

    // The view with this number; any number outside 0 to 5 is view 0.
    static ProofView view(int number);

    // One click on the step button: the next view, to apply.
    ProofView click();

private:
    // Once the last view has been shown, so that the next click gives view 0.
    static constexpr qint16 Finished = -1;

    // The number of the view last shown, or Finished.
    qint16 m_proofstep = FirstView;
};
