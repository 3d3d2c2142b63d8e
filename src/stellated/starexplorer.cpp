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

#include <QKeyEvent>

StarExplorer::StarExplorer(ScreenContext &context)
    : DrawingScreen(explorerDefinition(), context)
{
    for (int index = 0; index < 2; ++index) {
        TextBox *box = control<TextBox>(QStringLiteral("Text2"), index);
        m_text2[index] = box;
        box->setKeyPressHook([this, index](int code) { return Text2_KeyPress(index, code); });
        // Delete types no character, so the hook never sees it; it edits the
        // number all the same and must take the figure away like Backspace.
        box->installEventFilter(this);
    }
    connect(control<Label>(QStringLiteral("Label2"), 0), &Label::clicked, this, [this] { Label2_Click(0); });
    connect(control<CommandButton>(QStringLiteral("cmdexit")),
            &CommandButton::clicked,
            this,
            &StarExplorer::cmdexit_Click);
}

void StarExplorer::Form_Load()
{
    setupscreen(*this);
    // The page never re-seeds: the first figure of a run is always the same.
    const StarBoxes boxes = ExplorerRules::startingPair(context().random());
    m_text2[0]->setText(boxes.edges);
    m_text2[1]->setText(boxes.step);
    drawstell();
}

int StarExplorer::Text2_KeyPress(int index, int code)
{
    if (!ExplorerRules::keyPasses(code))
        return 0;
    clearDrawing();
    if (code != KeyCode::Enter)
        return code;

    const StarBoxes boxes = ExplorerRules::afterEnter({m_text2[0]->text(), m_text2[1]->text()});
    // Only rewritten texts are set, so an untouched box keeps its cursor.
    if (m_text2[0]->text() != boxes.edges)
        m_text2[0]->setText(boxes.edges);
    if (m_text2[1]->text() != boxes.step)
        m_text2[1]->setText(boxes.step);
    drawstell();
    m_text2[1 - index]->setFocus(Qt::OtherFocusReason);
    return code;
}

void StarExplorer::drawstell()
{
    const StarPolygon star(leadingNumber(m_text2[0]->text()), leadingNumber(m_text2[1]->text()));
    const QPointF centre(StarPolygon::toSinglePrecision(star.centre().x()),
                         StarPolygon::toSinglePrecision(star.centre().y()));
    drawCircle(centre, StarPolygon::toSinglePrecision(star.radius()), foregroundColour());
    drawPoint(centre, Colours::Yellow);
    const QList<StarPolygon::Segment> segments = star.segments();
    for (const StarPolygon::Segment &s : segments)
        drawLine(star.drawnVertex(s.from), star.drawnVertex(s.to), Colours::Yellow);
}

bool StarExplorer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete &&
        (watched == m_text2[0] || watched == m_text2[1]))
        clearDrawing();
    return Screen::eventFilter(watched, event);
}

void StarExplorer::Label2_Click(int)
{
    Navigation::moveOn(*this, ScreenNames::StellatedProblems);
}

void StarExplorer::cmdexit_Click()
{
    Navigation::backToMenu(*this);
}
