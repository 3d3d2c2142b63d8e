// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The problems pages' rules without widgets: the animation player, the
// no-repeat rule for question types and the answer check.
#include "common/programvalues.h"
#include "problems/answercheck.h"
#include "problems/frameplayer.h"
#include "problems/questionset.h"

#include <QTest>

using Control = FramePlayer::Control;

class TestProblemRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void frameOrder()
    {
        const std::pair<FrameSequence, QString> rows[] = {{FrameSequences::Triangle, "tri2sm\\tri214.jpg"},
                                                          {FrameSequences::StellatedOctagon, "ocstarsm\\ocstar29.jpg"},
                                                          {FrameSequences::StellatedNonagon, "stelnsm\\stel0039.gif"},
                                                          {FrameSequences::Pentagram, "pentglsm\\pent0019.gif"}};
        for (const auto &[sequence, last] : rows) {
            ProgramValues values;
            values.frameno = 9;
            FramePlayer player(values, std::nullopt);
            QCOMPARE(player.restart(sequence), sequence.fileName(0));
            QCOMPARE(values.frameno, qint16(0));
            for (int frame = 1; frame < sequence.count; ++frame)
                QCOMPARE(player.stepForward(), sequence.fileName(frame));
            QCOMPARE(sequence.fileName(sequence.count - 1), last);
            // Round to the first frame, and back past it to the last.
            QCOMPARE(player.stepForward(), sequence.fileName(0));
            QCOMPARE(player.stepBack(), last);
            QCOMPARE(values.frameno, qint16(sequence.count - 1));
            QCOMPARE(player.stepBack(), sequence.fileName(sequence.count - 2));
        }
    }

    void pagesOwnSequence()
    {
        // The counter is shared: another animation may have left any value.
        ProgramValues values;
        FramePlayer player(values, FrameSequences::Pentagram);
        for (const auto &[counter, afterForward, afterBack] : {std::tuple{37, 18, 16}, {-3, 18, 16}, {32767, 8, 6}}) {
            values.frameno = qint16(counter);
            QCOMPARE(player.stepForward(), FrameSequences::Pentagram.fileName(afterForward));
            values.frameno = qint16(counter);
            QCOMPARE(player.stepBack(), FrameSequences::Pentagram.fileName(afterBack));
        }
        // It ignores a question's choice and leaves the values be.
        QCOMPARE(player.restart(FrameSequences::Triangle), FrameSequences::Pentagram.fileName(0));
        QCOMPARE(values.smallprefix + values.picext, QString());
    }

    void availability()
    {
        ProgramValues values;
        FramePlayer player(values, FrameSequences::Triangle);
        // Running, then play, pause, step back, step forward available.
        const auto state = [&player] {
            QString s = QString::number(player.isRunning()) + u' ';
            for (Control c : {Control::Play, Control::Pause, Control::StepBack, Control::StepForward})
                s += QString::number(player.isAvailable(c));
            return s;
        };
        QCOMPARE(state(), QStringLiteral("0 0100"));
        player.pause();
        QCOMPARE(state(), QStringLiteral("0 1111"));
        // Steps and a second pause change nothing; pause stays available.
        player.stepForward();
        player.stepBack();
        player.pause();
        QCOMPARE(state(), QStringLiteral("0 1111"));
        player.play();
        QCOMPARE(state(), QStringLiteral("1 0100"));
        // A new question starts or stops the frames; the bar is left as it was.
        player.setRunning(false);
        QCOMPARE(state(), QStringLiteral("0 0100"));
        player.pause();
        player.setRunning(true);
        QCOMPARE(state(), QStringLiteral("1 1111"));
    }

    void questionTypeNeverRepeats()
    {
        // Nothing drawn yet (-1) counts as 0; the type drawn last becomes the
        // next one round, and any other type stays.
        for (const auto &[last, drawn, type] : {std::tuple{-1, 0, 1}, {-1, 3, 3}, {2, 2, 3}, {7, 7, 0}, {5, 6, 6}}) {
            ProgramValues values;
            if (last >= 0)
                values.lastquestion = last;
            const int taken = takeQuestionType(drawn, values);
            QCOMPARE(std::tuple(last, drawn, taken, values.lastquestion.value_or(-1)),
                     std::tuple(last, drawn, type, type));
        }
    }

    void answerCheck()
    {
        // Right to two places passes: 0.005 off squares to 2.5e-5, below 2.6e-5.
        // The typing is read by the leading-number rule, not as a whole; a square
        // that overflows is wrong, not right by accident.
        const std::tuple<QString, double, bool> rows[] = {
            {"45", 45, true},
            {"45.005", 45, true},
            {"4.995", 5, true},
            {"45.0051", 45, false},
            {"4.9949", 5, false},
            {"4 5", 45, true},
            {"45\u00B0", 45, true},
            {"", 45, false},
            {"1E400", 45, false},
        };
        for (const auto &[typed, answer, correct] : rows)
            QCOMPARE(std::pair(typed, AnswerCheck::judge(typed, answer) == AnswerCheck::Verdict::Correct),
                     std::pair(typed, correct));
    }
};

QTEST_GUILESS_MAIN(TestProblemRules)
#include "tst_problemrules.moc"
