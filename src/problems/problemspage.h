// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/framecache.h"
#include "problems/frameplayer.h"
#include "problems/questionset.h"
#include "screens/screen.h"

#include <memory>
#include <optional>

class ImageBox;
class Label;
class PlayerBar;
class QTimer;
class TextBox;

// A problems page: one question at a time, a typed answer, its check, the
// solution on request, a looping animation with its player bar, the Jotter
// beside it and the way back to the menu. Both problems pages are this
// class; what sets them apart is handed in as their Lesson.
class ProblemsPage : public Screen
{
    Q_OBJECT
public:
    // Everything in which the two pages differ besides their definitions.
    struct Lesson
    {
        // Invents the page's questions (its calculate).
        std::unique_ptr<QuestionSet> questions;
        // The label of the page's definition that reads "Full Screen".
        QString fullScreenLabel;
        // The page's own animation; without one, each question brings its own.
        std::optional<FrameSequence> animation;
    };

    ProblemsPage(const ScreenDefinition &definition, ScreenContext &context, Lesson lesson);
    ~ProblemsPage() override;

    void Form_Load() override;

protected:
    // The frame on show and the full-screen pointer, made for the new ratio.
    void resolutionChanged() override;

private:
    // A new question: blank feedback and answer box, the question and its
    // answer, and on a page whose questions bring their own animation, that
    // animation from its first frame.
    void askNewQuestion();

    void nextQuestion();
    void checkAnswer();
    void showAnswer();
    void openJotter();
    void exitToMenu();
    // Enter runs the answer check; every key is passed on unchanged.
    int checkOnEnter(int code);

    void showNextFrame();
    // A button of the player bar: one of the four below.
    void usePlayer(PlayerControl pressed);
    void play();
    void pause();
    void stepBack();
    void stepForward();

    void showFrame(const QString &file);
    void setTimerRunning(bool running);
    void followPlayer();

    std::unique_ptr<QuestionSet> m_questions;
    // The right answer to the question shown.
    double m_answer = 0;
    FramePlayer m_player;
    // The frames of the page's animations, kept after their first showing.
    FrameCache m_frames;
    Label &m_question;
    TextBox &m_answerBox;
    Label &m_feedback;
    ImageBox &m_picture;
    QTimer &m_timer;
    PlayerBar &m_bar;
    // The disabled "Full Screen" label and the cover that shows its pointer.
    QWidget &m_fullScreen;
    QWidget *m_fullScreenCover = nullptr;
};
