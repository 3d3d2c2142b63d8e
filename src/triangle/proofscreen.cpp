// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "triangle/proofscreen.h"

#include "controls/commandbutton.h"
#include "controls/label.h"
#include "screens/navigation.h"
#include "screens/styling.h"
#include "triangle/trianglerows.h"

ProofScreen::ProofScreen(ScreenContext &context)
    : Screen(proofScreenDefinition(), context)
    , m_explanation(take<Label>(QStringLiteral("Label3")))
    , m_stepButton(take<Label>(QStringLiteral("Label5")))
{
    for (const ProofFigurePart &part : ProofFigure::revealedParts())
        m_figure.append(&take<QWidget>(part.name, part.index));
    wire(QStringLiteral("Label5"), &Label::clicked, &ProofScreen::nextProofStep);
    wire(QStringLiteral("Label2"), &Label::clicked, &ProofScreen::openProblems);
    wire(QStringLiteral("cmdexit"), &CommandButton::clicked, &ProofScreen::exitToMenu);
}

void ProofScreen::Form_Load()
{
    // The screen as defined is already view 0.
    setupscreen(*this);
}

void ProofScreen::nextProofStep()
{
    applyView(m_steps.click());
}

void ProofScreen::openProblems()
{
    Navigation::moveOn(*this, ScreenNames::TriangleProblems);
}

void ProofScreen::exitToMenu()
{
    Navigation::backToMenu(*this);
}

void ProofScreen::applyView(const ProofView &view)
{
    for (const ProofFigurePart &part : view.hide)
        figurePart(part).hide();
    for (const ProofFigurePart &part : view.show)
        figurePart(part).show();
    m_explanation.setText(view.text);
    if (!view.caption.isEmpty())
        m_stepButton.setText(view.caption);
}

QWidget &ProofScreen::figurePart(const ProofFigurePart &part) const
{
    return *m_figure.at(ProofFigure::revealedParts().indexOf(part));
}
