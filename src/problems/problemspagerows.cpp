// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "problems/problemspagerows.h"

#include "common/colourtable.h"

namespace Rows {

ControlDefinition checkButton(int left, int top)
{
    return pictureButton(QStringLiteral("cmdcheckit"),
                         left,
                         top,
                         english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Check my answer")),
                         Qt::Key_C);
}

QList<ControlDefinition> problemsPageButtons(const ControlDefinition &checkButton)
{
    return {
        pictureButton(QStringLiteral("cmdgo"),
                      10275,
                      60,
                      english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Next question")),
                      Qt::Key_N),
        pictureButton(QStringLiteral("cmdsoln"),
                      10350,
                      600,
                      english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Show the answer")),
                      Qt::Key_A),
        exitButton(QStringLiteral("cmdexit"), 10275, 1125),
        checkButton,
        pictureButton(QStringLiteral("cmdjotter"),
                      0,
                      7755,
                      //: Spoken name and tooltip of the button that opens the Jotter, the drawing pad (Alt+J).
                      english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Open the Jotter")),
                      Qt::Key_J),
        timer(QStringLiteral("Timer1")).every(50).startDisabled(),
    };
}

ControlDefinition answerBox()
{
    return textBox(QStringLiteral("Text1"))
        .centred()
        .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Your answer")));
}

ControlDefinition questionLabel(const QRect &rect, double points)
{
    return yellowLabel(QStringLiteral("Label1"))
        .at(rect.x(), rect.y(), rect.width(), rect.height())
        .caption(QStringLiteral("Label1"))
        .withFont(Tahoma, points);
}

ControlDefinition feedbackLabel(const QRect &rect, double points)
{
    return yellowLabel(QStringLiteral("Label4"))
        .at(rect.x(), rect.y(), rect.width(), rect.height())
        .caption(
            //: First caption of the feedback line; replaced before it is seen.
            english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Correct to two decimal places:")))
        .withFont(Tahoma, points)
        .startHidden()
        .centred();
}

ControlDefinition animationControls(int left, int top)
{
    return playerBar(QStringLiteral("MMControl1"))
        .accessibleName(english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Animation controls")))
        .at(left, top, 1590, 330);
}

ControlDefinition fullScreenLabel(const QString &name, int left, int top)
{
    return label(name)
        .at(left, top, 1455, 330)
        .caption(
            //: Greyed label beside the animation player; it does nothing.
            english(QT_TRANSLATE_NOOP("ScreenDefinitions", "Full Screen")))
        .fore(Colours::Yellow)
        .back(Colours::DarkGrey)
        .withFont(Tahoma, 11.25, Bold)
        .startDisabled()
        .centred()
        .withBorder();
}

} // namespace Rows
