// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/screenset.h"

#include "app/titlescreen.h"
#include "app/topicmenu.h"
#include "jotter/jotterpad.h"
#include "problems/problemspage.h"
#include "screens/screenregistry.h"
#include "stellated/starexplorer.h"
#include "stellated/starquestions.h"
#include "triangle/proofscreen.h"
#include "triangle/trianglequestions.h"

void registerProgramScreens(ScreenRegistry &screens)
{
    screens.registerScreen(ScreenNames::Title, [](Program &p) { return new TitleScreen(p); });
    screens.registerScreen(ScreenNames::Menu, [](Program &p) { return new TopicMenu(p); });
    screens.registerScreen(ScreenNames::Proof, [](Program &p) { return new ProofScreen(p); });

    // The triangle questions.
    screens.registerScreen(ScreenNames::TriangleProblems, [](Program &p) {
        return new ProblemsPage(ScreenNames::TriangleProblems, p, std::make_unique<TriangleQuestions>());
    });

    screens.registerScreen(ScreenNames::Explorer, [](Program &p) { return new StarExplorer(p); });

    // The stellated polygon questions.
    screens.registerScreen(ScreenNames::StellatedProblems, [](Program &p) {
        return new ProblemsPage(ScreenNames::StellatedProblems, p, std::make_unique<StarQuestions>());
    });

    screens.registerScreen(ScreenNames::Jotter, [](Program &p) { return new JotterPad(p); });
}
