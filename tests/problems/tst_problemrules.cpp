// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The problems pages' rules without widgets: the animation player and the
// answer check. The no-repeat rule for question types is pinned by each
// question set's own test.
#include "common/programvalues.h"
#include "problems/answercheck.h"
#include "problems/frameplayer.h"

#include <QTest>

using Control = FramePlayer::Control;

class TestProblemRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void frameOrder()
    {
        const FrameSequence sequences[] = {FrameSequences::Triangle,
                                           FrameSequences::StellatedOctagon,
                                           FrameSequences::StellatedNonagon,
                                           FrameSequences::Pentagram};
        const QStringList lasts{"tri2sm\\tri214.jpg",
                                "ocstarsm\\ocstar29.jpg",
                                "stelnsm\\stel0039.gif",
                                "pentglsm\\pent0019.gif"};
        for (int i = 0; i < 4; ++i) {
            const FrameSequence &s = sequences[i];
            ProgramValues values;
            values.frameno = 9;
            FramePlayer player(values, std::nullopt);
            QStringList shown{player.restart(s)};
            for (int frame = 1; frame <= s.count; ++frame)
                shown << player.stepForward();
            // Round to the first frame, and back past it to the last.
            shown << player.stepBack() << player.stepBack();
            QCOMPARE(shown.first() + shown.at(s.count - 1) + shown.at(s.count) + shown.last(),
                     s.fileName(0) + lasts[i] + s.fileName(0) + s.fileName(s.count - 2));
            QCOMPARE(shown.at(s.count + 1), lasts[i]);
        }
    }

    void pagesOwnSequence()
    {
        // The counter is shared: another animation may have left any value.
        ProgramValues values;
        FramePlayer player(values, FrameSequences::Pentagram);
        const auto from = [&](int counter, QString (FramePlayer::*step)()) {
            values.frameno = qint16(counter);
            return (player.*step)();
        };
        QCOMPARE(from(37, &FramePlayer::stepForward), FrameSequences::Pentagram.fileName(18));
        QCOMPARE(from(-3, &FramePlayer::stepBack), FrameSequences::Pentagram.fileName(16));
        QCOMPARE(from(32767, &FramePlayer::stepForward), FrameSequences::Pentagram.fileName(8));
        QCOMPARE(from(32767, &FramePlayer::stepBack), FrameSequences::Pentagram.fileName(6));
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
        QStringList states{state()};
        player.pause();
        states << state();
        // Steps and a second pause change nothing; pause stays available.
        player.stepForward();
        player.stepBack();
        player.pause();
        states << state();
        player.play();
        states << state();
        // A new question starts or stops the frames; the bar is left as it was.
        player.setRunning(false);
        states << state();
        player.pause();
        player.setRunning(true);
        states << state();
        QCOMPARE(states.join(u','), QStringLiteral("0 0100,0 1111,0 1111,1 0100,0 0100,1 1111"));
    }

    void answerCheck_data()
    {
        // Right to two places passes: 0.005 off squares to 2.5e-5, below 2.6e-5.
        // The typing is read by the leading-number rule, not as a whole; a square
        // that overflows is wrong, not right by accident.
        QTest::addColumn<double>("answer");
        QTest::addColumn<bool>("correct");
        for (const char *typed : {"45", "45.005", "4 5", "45\u00B0"})
            QTest::newRow(typed) << 45.0 << true;
        for (const char *typed : {"45.0051", "", "1E400"})
            QTest::newRow(typed) << 45.0 << false;
        QTest::newRow("4.995") << 5.0 << true;
        QTest::newRow("4.9949") << 5.0 << false;
    }
    void answerCheck()
    {
        QFETCH(double, answer);
        QFETCH(bool, correct);
        const QString typed = QString::fromUtf8(QTest::currentDataTag());
        QCOMPARE(AnswerCheck::judge(typed, answer) == AnswerCheck::Verdict::Correct, correct);
    }
};

QTEST_GUILESS_MAIN(TestProblemRules)
#include "tst_problemrules.moc"
