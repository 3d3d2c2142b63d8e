// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "problems/problemspage.h"

#include "common/keycodes.h"
#include "controls/commandbutton.h"
#include "controls/label.h"
#include "controls/pictureview.h"
#include "controls/playerbar.h"
#include "controls/textbox.h"
#include "problems/answercheck.h"
#include "problems/fullscreenpointer.h"
#include "screens/navigation.h"
#include "screens/screencontext.h"
#include "screens/styling.h"

#include <QTimer>

ProblemsPage::ProblemsPage(const ScreenDefinition &definition, ScreenContext &context, Lesson lesson)
    : Screen(definition, context)
    , m_questions(std::move(lesson.questions))
    , m_player(lesson.animation)
    , m_frames(lesson.animation ? FrameCache::DefaultBudget : FrameCache::PictureSetBudget)
    , m_question(take<Label>(QStringLiteral("Label1")))
    , m_answerBox(take<TextBox>(QStringLiteral("Text1")))
    , m_feedback(take<Label>(QStringLiteral("Label4")))
    , m_picture(take<ImageBox>(QStringLiteral("Image2")))
    , m_timer(take<QTimer>(QStringLiteral("Timer1")))
    , m_bar(take<PlayerBar>(QStringLiteral("MMControl1")))
    , m_fullScreen(take<Label>(lesson.fullScreenLabel))
{
    wire(QStringLiteral("cmdgo"), &CommandButton::clicked, &ProblemsPage::nextQuestion);
    wire(QStringLiteral("cmdcheckit"), &CommandButton::clicked, &ProblemsPage::checkAnswer);
    wire(QStringLiteral("cmdsoln"), &CommandButton::clicked, &ProblemsPage::showAnswer);
    wire(QStringLiteral("cmdjotter"), &CommandButton::clicked, &ProblemsPage::openJotter);
    wire(QStringLiteral("cmdexit"), &CommandButton::clicked, &ProblemsPage::exitToMenu);
    wire(QStringLiteral("Timer1"), &QTimer::timeout, &ProblemsPage::showNextFrame);
    m_answerBox.setKeyPressHook([this](int code) { return checkOnEnter(code); });
    wire(QStringLiteral("MMControl1"), &PlayerBar::pressed, &ProblemsPage::usePlayer);

    m_fullScreenCover = coverWithPointer(&m_fullScreen, fullScreenPointer(devicePixelRatioF()));
}

ProblemsPage::~ProblemsPage() = default;

void ProblemsPage::Form_Load()
{
    setupscreen(*this);
    followPlayer();
    if (m_player.hasFixedSequence()) {
        showFrame(m_player.restart());
        askNewQuestion();
        setTimerRunning(true);
    } else {
        // The question starts its own animation.
        askNewQuestion();
    }
    // Text1 is first in the Tab order once the buttons have left it; taking
    // the focus here makes it the window's focus on its first activation.
    m_answerBox.setFocus();
}

void ProblemsPage::resolutionChanged()
{
    Screen::resolutionChanged();
    // A paused animation would keep the old frame until the pupil steps.
    showFrame(m_player.current());
    const QCursor pointer = fullScreenPointer(devicePixelRatioF());
    for (QWidget *shows : {&m_fullScreen, m_fullScreenCover}) {
        if (shows)
            shows->setCursor(pointer);
    }
}

void ProblemsPage::askNewQuestion()
{
    m_feedback.setText(QString());
    m_answerBox.setText(QString());
    if (!m_questions) {
        m_question.setText(QString());
        return;
    }
    const ScreenContext::QuestionDraws draws = context().questionDraws(screenName());
    const Question question = m_questions->draw(draws.random, draws.history);
    m_question.setText(question.text);
    m_answer = question.answer;
    if (!m_player.hasFixedSequence() && question.animation) {
        showFrame(m_player.restart(*question.animation));
        setTimerRunning(true);
    }
}

void ProblemsPage::nextQuestion()
{
    // A page whose questions bring their animations stops the old one first.
    if (!m_player.hasFixedSequence())
        setTimerRunning(false);
    askNewQuestion();
    m_answerBox.setFocus();
}

void ProblemsPage::checkAnswer()
{
    const AnswerCheck::Verdict verdict = AnswerCheck::judge(m_answerBox.text(), m_answer);
    m_feedback.setText(AnswerCheck::feedback(verdict));
    m_feedback.show();
}

void ProblemsPage::showAnswer()
{
    m_feedback.setText(AnswerCheck::solution(m_answer));
    m_feedback.show();
}

void ProblemsPage::openJotter()
{
    context().screens().show(ScreenNames::Jotter);
}

void ProblemsPage::exitToMenu()
{
    Navigation::backToMenu(*this);
}

int ProblemsPage::checkOnEnter(int code)
{
    if (code == KeyCode::Enter)
        checkAnswer();
    return code;
}

void ProblemsPage::showNextFrame()
{
    showFrame(m_player.stepForward());
}

void ProblemsPage::usePlayer(PlayerControl pressed)
{
    switch (pressed) {
    case PlayerControl::Play:
        play();
        break;
    case PlayerControl::Pause:
        pause();
        break;
    case PlayerControl::StepBack:
        stepBack();
        break;
    case PlayerControl::StepForward:
        stepForward();
        break;
    }
}

void ProblemsPage::play()
{
    m_player.play();
    setTimerRunning(m_player.isRunning());
    followPlayer();
}

void ProblemsPage::pause()
{
    m_player.pause();
    setTimerRunning(m_player.isRunning());
    followPlayer();
}

void ProblemsPage::stepBack()
{
    showFrame(m_player.stepBack());
}

void ProblemsPage::stepForward()
{
    showFrame(m_player.stepForward());
}

void ProblemsPage::showFrame(const QString &file)
{
    // A frame that cannot be read leaves the previous one on show.
    m_picture.setPicture(m_frames.frame(context().pictures(), file, devicePixelRatioF()));
}

void ProblemsPage::setTimerRunning(bool running)
{
    m_player.setRunning(running);
    if (!running)
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start(); // a running timer keeps its rhythm
}

void ProblemsPage::followPlayer()
{
    for (PlayerControl control : PlayerControls)
        m_bar.setAvailable(control, m_player.isAvailable(control));
}
