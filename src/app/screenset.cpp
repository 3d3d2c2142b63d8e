// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/screenset.h"

#include "app/titlescreen.h"
#include "app/topicmenu.h"
#include "common/framesequence.h"
#include "jotter/jotterpad.h"
#include "problems/problemspage.h"
#include "screens/screenregistry.h"
#include "stellated/starexplorer.h"
#include "stellated/starquestions.h"
#include "stellated/stellatedrows.h"
#include "triangle/proofscreen.h"
#include "triangle/trianglequestions.h"
#include "triangle/trianglerows.h"

void registerProgramScreens(ScreenRegistry &screens)
{
    screens.registerScreen(ScreenNames::Title, [](ScreenContext &p) { return new TitleScreen(p); });
    screens.registerScreen(ScreenNames::Menu, [](ScreenContext &p) { return new TopicMenu(p); });
    screens.registerScreen(ScreenNames::Proof, [](ScreenContext &p) { return new ProofScreen(p); });

    // The triangle questions, beside one animation of the page's own.
    screens.registerScreen(ScreenNames::TriangleProblems, [](ScreenContext &p) {
        return new ProblemsPage(
            trianglePageDefinition(),
            p,
            {std::make_unique<TriangleQuestions>(), QStringLiteral("Label2"), FrameSequences::Triangle});
    });

    screens.registerScreen(ScreenNames::Explorer, [](ScreenContext &p) { return new StarExplorer(p); });

    // The stellated polygon questions, each with an animation of its own.
    screens.registerScreen(ScreenNames::StellatedProblems, [](ScreenContext &p) {
        return new ProblemsPage(stellatedPageDefinition(),
                                p,
                                {std::make_unique<StarQuestions>(), QStringLiteral("Label3"), std::nullopt});
    });

    screens.registerScreen(ScreenNames::Jotter, [](ScreenContext &p) { return new JotterPad(p); });
}
