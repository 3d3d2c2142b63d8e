// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screendefinition.h"

#include <QList>
#include <QString>

// One part of the proof figure that the walk-through shows or hides: a
// control of the proof screen by name and array index.
struct ProofFigurePart
{
    QString name;
    int index;
    friend bool operator==(const ProofFigurePart &a, const ProofFigurePart &b)
    {
        return a.name == b.name && a.index == b.index;
    }
};

// The figure of the proof screen: a yellow triangle with its angles R, P
// and Q, and the parts the walk-through reveals one by one, two black lines
// and two green letters. Its rows and the parts ProofSteps names are written
// here once.
namespace ProofFigure {

extern const ProofFigurePart BaseExtended;
extern const ProofFigurePart Parallel;
extern const ProofFigurePart AlternateP;
extern const ProofFigurePart AlternateQ;

// The parts the walk-through shows and hides, in the order it reveals them.
QList<ProofFigurePart> revealedParts();

// The figure's rows, bottom to top: the black lines lie under the yellow
// sides, and every letter lies above all lines.
QList<ControlDefinition> rows();

} // namespace ProofFigure
