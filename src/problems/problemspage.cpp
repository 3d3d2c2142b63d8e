// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "problems/problemspage.h"

#include "common/numbertext.h"
#include "problems/answercheck.h"
#include "problems/fullscreenpointer.h"
#include "screens/controls.h"
#include "screens/navigation.h"
#include "screens/program.h"
#include "screens/styling.h"

#include <QTimer>

namespace {

// Everything in which the two pages differ besides their questions.
struct PageTraits
{
    QString fullScreenLabel;
    // The page's own animation; without one, each question brings its own.
    std::optional<FrameSequence> animation;
};

PageTraits traitsFor(const QString &name)
{
    if (name == ScreenNames::TriangleProblems)
        return {QStringLiteral("Label2"), FrameSequences::Triangle};
    return {QStringLiteral("Label3"), std::nullopt};
}

} // namespace

ProblemsPage::ProblemsPage(const QString &name, Program &program, std::unique_ptr<QuestionSet> questions)
    : Screen(screenDefinition(name), program)
    , m_questions(std::move(questions))
    , m_player(program.values(), traitsFor(name).animation)
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
    connect(m_bar, &PlayerBar::clicked, this, [this](PlayerBar::Button button) {
        switch (button) {
        case PlayerBar::Button::Play:
            MMControl1_PlayClick();
            break;
        case PlayerBar::Button::Pause:
            MMControl1_PauseClick();
            break;
        case PlayerBar::Button::StepBack:
            MMControl1_BackClick();
            break;
        case PlayerBar::Button::StepForward:
            MMControl1_StepClick();
            break;
        }
    });

    coverWithPointer(control<Label>(traitsFor(name).fullScreenLabel), fullScreenPointer());
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
    ProgramValues &values = program().values();
    const Question question = m_questions->draw(program().random(), values);
    m_question->setText(question.text);
    values.answer = question.answer;
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
    const AnswerCheck::Verdict verdict = AnswerCheck::judge(m_answerBox->text(), program().values().answer);
    m_feedback->setText(AnswerCheck::feedback(verdict));
    m_feedback->show();
}

void ProblemsPage::cmdsoln_Click()
{
    m_feedback->setText(plainNumber(program().values().answer));
    m_feedback->show();
}

void ProblemsPage::cmdjotter_Click()
{
    program().screens().show(ScreenNames::Jotter);
}

void ProblemsPage::cmdexit_Click()
{
    Navigation::backToMenu(*this);
}

int ProblemsPage::Text1_KeyPress(int KeyAscii)
{
    if (KeyAscii == 13)
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
    m_picture->setPicture(m_frames.frame(program().pictures(), file, devicePixelRatioF()));
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
    using Control = FramePlayer::Control;
    m_bar->setAvailable(PlayerBar::Button::Play, m_player.isAvailable(Control::Play));
    m_bar->setAvailable(PlayerBar::Button::Pause, m_player.isAvailable(Control::Pause));
    m_bar->setAvailable(PlayerBar::Button::StepBack, m_player.isAvailable(Control::StepBack));
    m_bar->setAvailable(PlayerBar::Button::StepForward, m_player.isAvailable(Control::StepForward));
}
