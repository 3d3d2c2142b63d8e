// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "stellated/starexplorer.h"

#include "common/colourtable.h"
#include "common/keycodes.h"
#include "common/leadingnumber.h"
#include "controls/commandbutton.h"
#include "controls/label.h"
#include "controls/textbox.h"
#include "screens/navigation.h"
#include "screens/screencontext.h"
#include "screens/styling.h"
#include "stellated/explorerrules.h"
#include "stellated/starpolygon.h"
#include "stellated/stellatedrows.h"

StarExplorer::StarExplorer(ScreenContext &context)
    : DrawingScreen(explorerDefinition(), context)
{
    for (int index = 0; index < 2; ++index) {
        m_numbers[index] = &take<TextBox>(QStringLiteral("Text2"), index);
        m_numbers[index]->setKeyPressHook([this, index](int code) { return typeIntoNumberBox(index, code); });
    }
    wire(QStringLiteral("Label2"), 0, &Label::clicked, &StarExplorer::openProblems);
    wire(QStringLiteral("cmdexit"), &CommandButton::clicked, &StarExplorer::exitToMenu);
}

void StarExplorer::Form_Load()
{
    setupscreen(*this);
    // The page never re-seeds: the first figure of a run is always the same.
    const StarBoxes boxes = ExplorerRules::startingPair(context().random());
    m_numbers[0]->setText(boxes.edges);
    m_numbers[1]->setText(boxes.step);
    drawStar();
}

void StarExplorer::resolutionChanged()
{
    DrawingScreen::resolutionChanged();
    // The drawing is the figure of the numbers in the boxes, or nothing: any
    // edit of a box takes it away.
    if (drawing().isBlank())
        return;
    clearDrawing();
    drawStar();
}

int StarExplorer::typeIntoNumberBox(int index, int code)
{
    // Delete is no key of the rules, but it edits the number as Backspace does.
    if (code != TextBox::DeleteCode && !ExplorerRules::keyPasses(code))
        return 0;
    clearDrawing();
    if (code != KeyCode::Enter)
        return code;

    const StarBoxes boxes = ExplorerRules::afterEnter({m_numbers[0]->text(), m_numbers[1]->text()});
    // Only rewritten texts are set, so an untouched box keeps its cursor.
    if (m_numbers[0]->text() != boxes.edges)
        m_numbers[0]->setText(boxes.edges);
    if (m_numbers[1]->text() != boxes.step)
        m_numbers[1]->setText(boxes.step);
    drawStar();
    m_numbers[1 - index]->setFocus(Qt::OtherFocusReason);
    return code;
}

void StarExplorer::drawStar()
{
    const StarPolygon star(leadingNumber(m_numbers[0]->text()), leadingNumber(m_numbers[1]->text()));
    const QPointF centre(StarPolygon::toSinglePrecision(star.centre().x()),
                         StarPolygon::toSinglePrecision(star.centre().y()));
    drawCircle(centre, StarPolygon::toSinglePrecision(star.radius()), foregroundColour());
    drawPoint(centre, Colours::Yellow);
    const QList<StarPolygon::Segment> segments = star.segments();
    for (const StarPolygon::Segment &s : segments)
        drawLine(star.drawnVertex(s.from), star.drawnVertex(s.to), Colours::Yellow);
}

void StarExplorer::openProblems()
{
    Navigation::moveOn(*this, ScreenNames::StellatedProblems);
}

void StarExplorer::exitToMenu()
{
    Navigation::backToMenu(*this);
}
