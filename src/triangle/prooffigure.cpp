// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "triangle/prooffigure.h"

#include "common/colourtable.h"
#include "screens/rows.h"

namespace ProofFigure {

namespace {
const QString Lines = QStringLiteral("Line1");
const QString Letters = QStringLiteral("Label4");
} // namespace

const ProofFigurePart BaseExtended{Lines, 3};
const ProofFigurePart Parallel{Lines, 4};
const ProofFigurePart AlternateP{Letters, 2};
const ProofFigurePart AlternateQ{Letters, 4};

QList<ProofFigurePart> revealedParts()
{
    return {BaseExtended, Parallel, AlternateP, AlternateQ};
}

QList<ControlDefinition> rows()
{
    using namespace Rows;
    //: An angle of the proof's triangle, named in the proof's texts: use the same letter there.
    const QString angleR = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "R"));
    //: An angle of the proof's triangle, named in the proof's texts: use the same letter there.
    const QString angleP = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "P"));
    //: An angle of the proof's triangle, named in the proof's texts: use the same letter there.
    const QString angleQ = english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Q"));
    auto blackLine = [](const ProofFigurePart &part) {
        return line(part.name, part.index).fore(Colours::Black).width(3).startHidden();
    };
    auto side = [](int index) { return line(Lines, index).fore(Colours::Yellow).width(3); };
    auto greenLetter = [](const ProofFigurePart &part) {
        return label(part.name, part.index).fore(Colours::Green).seeThrough().withFont(Tahoma, 12, Bold).startHidden();
    };
    return {
        blackLine(BaseExtended)
            .from(1800, 6240)
            .to(9840, 6240)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "The base extended"))),
        blackLine(Parallel)
            .from(1800, 3240)
            .to(9840, 3240)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Parallel to the base through the apex"))),
        side(0)
            .from(2760, 6240)
            .to(8520, 6240)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Base of the triangle"))),
        side(1)
            .from(2760, 6240)
            .to(6480, 3240)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Left side of the triangle"))),
        side(2)
            .from(6480, 3240)
            .to(8520, 6240)
            .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Right side of the triangle"))),
        yellowLabel(Letters, 0).at(6360, 3480, 180, 285).caption(angleR).withFont(Tahoma, 12, Bold),
        yellowLabel(Letters, 1).at(3360, 5880, 165, 285).caption(angleP).withFont(Tahoma, 12, Bold),
        greenLetter(AlternateP).at(5640, 3360, 165, 285).caption(angleP),
        yellowLabel(Letters, 3).at(7920, 5880, 180, 285).caption(angleQ).withFont(Tahoma, 12, Bold),
        greenLetter(AlternateQ).at(6960, 3360, 180, 285).caption(angleQ),
    };
}

} // namespace ProofFigure
