// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "problems/problemspage.h"

#include "common/keycodes.h"
#include "problems/answercheck.h"
#include "problems/fullscreenpointer.h"
#include "screens/commandbutton.h"
#include "screens/label.h"
#include "screens/navigation.h"
#include "screens/pictureview.h"
#include "screens/playerbar.h"
#include "screens/screencontext.h"
#include "screens/styling.h"
#include "screens/textbox.h"

#include <QTimer>

ProblemsPage::ProblemsPage(const QString &name, ScreenContext &context, Lesson lesson)
    : Screen(screenDefinition(name), context)
    , m_questions(std::move(lesson.questions))
    , m_player(lesson.animation)
    , m_question(control<Label>(QStringLiteral("Label1")))
    , m_answerBox(control<TextBox>(QStringLiteral("Text1")))
    , m_feedback(control<Label>(QStringLiteral("Label4")))
    , m_picture(control<ImageBox>(QStringLiteral("Image2")))
    , m_timer(control<QTimer>(QStringLiteral("Timer1")))
    , m_bar(control<PlayerBar>(QStringLiteral("MMControl1")))
{
    connect(control<CommandButton>(QStringLiteral("cmdgo")), &CommandButton::clicked, this, &ProblemsPage::cmdgo_Click);
    connect(control<CommandButton>(QStringLiteral("cmdcheckit")),
            &CommandButton::clicked,
            this,
            &ProblemsPage::cmdcheckit_Click);
    connect(control<CommandButton>(QStringLiteral("cmdsoln")),
            &CommandButton::clicked,
            this,
            &ProblemsPage::cmdsoln_Click);
    connect(control<CommandButton>(QStringLiteral("cmdjotter")),
            &CommandButton::clicked,
            this,
            &ProblemsPage::cmdjotter_Click);
    connect(control<CommandButton>(QStringLiteral("cmdexit")),
            &CommandButton::clicked,
            this,
            &ProblemsPage::cmdexit_Click);
    m_answerBox->setKeyPressHook([this](int code) { return Text1_KeyPress(code); });
    connect(m_timer, &QTimer::timeout, this, &ProblemsPage::Timer1_Timer);
    using Control = PlayerControl;
    connect(m_bar->button(Control::Play), &QToolButton::clicked, this, &ProblemsPage::MMControl1_PlayClick);
    connect(m_bar->button(Control::Pause), &QToolButton::clicked, this, &ProblemsPage::MMControl1_PauseClick);
    connect(m_bar->button(Control::StepBack), &QToolButton::clicked, this, &ProblemsPage::MMControl1_BackClick);
    connect(m_bar->button(Control::StepForward), &QToolButton::clicked, this, &ProblemsPage::MMControl1_StepClick);

    coverWithPointer(control<Label>(lesson.fullScreenLabel), fullScreenPointer());
}

ProblemsPage::~ProblemsPage() = default;

void ProblemsPage::Form_Load()
{
    setupscreen(*this);
    followPlayer();
    if (m_player.hasFixedSequence()) {
        showFrame(m_player.restart());
        calculate();
        setTimerRunning(true);
    } else {
        // The question starts its own animation.
        calculate();
    }
    // Text1 is first in the Tab order once the buttons have left it; taking
    // the focus here makes it the window's focus on its first activation.
    m_answerBox->setFocus();
}

void ProblemsPage::calculate()
{
    m_feedback->setText(QString());
    m_answerBox->setText(QString());
    if (!m_questions) {
        m_question->setText(QString());
        return;
    }
    const Question question = m_questions->draw(context().random(), context().questionHistory());
    m_question->setText(question.text);
    m_answer = question.answer;
    if (!m_player.hasFixedSequence() && question.animation) {
        showFrame(m_player.restart(*question.animation));
        setTimerRunning(true);
    }
}

void ProblemsPage::cmdgo_Click()
{
    // A page whose questions bring their animations stops the old one first.
    if (!m_player.hasFixedSequence())
        setTimerRunning(false);
    calculate();
    m_answerBox->setFocus();
}

void ProblemsPage::cmdcheckit_Click()
{
    const AnswerCheck::Verdict verdict = AnswerCheck::judge(m_answerBox->text(), m_answer);
    m_feedback->setText(AnswerCheck::feedback(verdict));
    m_feedback->show();
}

void ProblemsPage::cmdsoln_Click()
{
    m_feedback->setText(AnswerCheck::solution(m_answer));
    m_feedback->show();
}

void ProblemsPage::cmdjotter_Click()
{
    context().screens().show(ScreenNames::Jotter);
}

void ProblemsPage::cmdexit_Click()
{
    Navigation::backToMenu(*this);
}

int ProblemsPage::Text1_KeyPress(int KeyAscii)
{
    if (KeyAscii == KeyCode::Enter)
        cmdcheckit_Click();
    return KeyAscii;
}

void ProblemsPage::Timer1_Timer()
{
    showFrame(m_player.stepForward());
}

void ProblemsPage::MMControl1_PlayClick()
{
    m_player.play();
    setTimerRunning(m_player.isRunning());
    followPlayer();
}

void ProblemsPage::MMControl1_PauseClick()
{
    m_player.pause();
    setTimerRunning(m_player.isRunning());
    followPlayer();
}

void ProblemsPage::MMControl1_BackClick()
{
    showFrame(m_player.stepBack());
}

void ProblemsPage::MMControl1_StepClick()
{
    showFrame(m_player.stepForward());
}

void ProblemsPage::showFrame(const QString &file)
{
    // Only one sequence's frames are kept: a question that brings another
    // animation lets the old one go.
    if (!(m_player.sequence() == m_framesOf)) {
        m_frames.clear();
        m_framesOf = m_player.sequence();
    }
    // A frame that cannot be read leaves the previous one on show.
    m_picture->setPicture(m_frames.frame(context().pictures(), file, devicePixelRatioF()));
}

void ProblemsPage::setTimerRunning(bool running)
{
    m_player.setRunning(running);
    if (!running)
        m_timer->stop();
    else if (!m_timer->isActive())
        m_timer->start(); // a running timer keeps its rhythm
}

void ProblemsPage::followPlayer()
{
    for (PlayerControl control : PlayerControls)
        m_bar->setAvailable(control, m_player.isAvailable(control));
}
