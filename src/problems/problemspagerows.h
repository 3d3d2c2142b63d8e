// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/rows.h"

// The rows both problems pages share, each at the place the page gives it.
namespace Rows {

// The picture button that checks the answer (Alt+C).
ControlDefinition checkButton(int left, int top);
// The next-question, answer, exit and Jotter buttons at their common places,
// the page's check button, and the animation's timer.
QList<ControlDefinition> problemsPageButtons(const ControlDefinition &checkButton);
// Where the pupil types the answer.
ControlDefinition answerBox();
// The question, replaced by each question.
ControlDefinition questionLabel(const QRect &rect, double points);
// The feedback line, hidden until the first check or solution.
ControlDefinition feedbackLabel(const QRect &rect, double points);
// The player bar beside the page's animation.
ControlDefinition animationControls(int left, int top);
// The greyed "Full Screen" label beside the player bar; it does nothing.
ControlDefinition fullScreenLabel(const QString &name, int left, int top);

} // namespace Rows
