// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "triangle/proofsteps.h"

#include <QCoreApplication>

using namespace ProofFigure;

ProofView ProofSteps::view(int number)
{
    switch (number) {
    case 1:
        return {{},
                {BaseExtended},
                QCoreApplication::translate(
                    "ProofSteps",
                    "The base of the triangle has been extended on both sides by a straight black line."),
                {}};
    case 2:
        return {{},
                {Parallel},
                QCoreApplication::translate(
                    "ProofSteps",
                    "A black line, parallel to the first line, has been drawn through the opposite vertex "
                    "of the triangle."),
                {}};
    case 3:
        return {
            {},
            {AlternateP},
            QCoreApplication::translate(
                "ProofSteps",
                "Alternate angles are equal, so the angle marked P in green is equal to the angle P in the triangle."),
            {}};
    case 4:
        return {
            {},
            {AlternateQ},
            QCoreApplication::translate(
                "ProofSteps",
                "Alternate angles are equal, so the angle marked Q in green is equal to the angle Q in the triangle."),
            {}};
    case 5:
        return {{},
                {},

                //: P, R and Q name the angles; together they make a straight angle.
                QCoreApplication::translate(
                    "ProofSteps",
                    "The angle P + R + Q is equal to 180\u00B0, as it forms half of a complete rotation. "
                    "These are the three angles of the "
                    "triangle, so the sum of the angles of the triangle is 180\u00B0."),

                //: Caption of the step button after the last step: it starts the proof again.
                QCoreApplication::translate("ProofSteps", "Restart Proof")};
    default:
        return {
            revealedParts(),
            {},
            QCoreApplication::translate("ProofSteps", "The angles of the triangle below are labelled R, P and Q."),

            //: Caption of the step button; the same words as on the proof screen, where its opening text quotes them.
            QCoreApplication::translate("ProofSteps", "Next Step")};
    }
}

ProofView ProofSteps::click()
{
    ++m_proofstep;
    const ProofView shown = view(m_proofstep);
    if (m_proofstep == LastView)
        m_proofstep = Finished;
    return shown;
}
