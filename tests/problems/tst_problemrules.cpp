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
    void frameOrder_data();
    void frameOrder();
    void counterLeftOutsideTheLoop();
    void chosenAndFixedSequences();
    void availability_data();
    void availability();
    void questionTypeNeverRepeats_data();
    void questionTypeNeverRepeats();
    void answerCheck_data();
    void answerCheck();
};

void TestProblemRules::frameOrder_data()
{
    QTest::addColumn<FrameSequence>("sequence");
    QTest::addColumn<QString>("last");
    QTest::newRow("triangle") << FrameSequences::Triangle << "tri2sm\\tri214.jpg";
    QTest::newRow("octagon") << FrameSequences::StellatedOctagon << "ocstarsm\\ocstar29.jpg";
    QTest::newRow("nonagon") << FrameSequences::StellatedNonagon << "stelnsm\\stel0039.gif";
    QTest::newRow("pentagram") << FrameSequences::Pentagram << "pentglsm\\pent0019.gif";
}

void TestProblemRules::frameOrder()
{
    QFETCH(FrameSequence, sequence);
    QFETCH(QString, last);
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

void TestProblemRules::counterLeftOutsideTheLoop()
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
}

void TestProblemRules::chosenAndFixedSequences()
{
    ProgramValues values;
    FramePlayer chosen(values, std::nullopt);
    chosen.restart(FrameSequences::StellatedNonagon);
    chosen.stepForward();
    QCOMPARE(chosen.restart(FrameSequences::Pentagram), QStringLiteral("pentglsm\\pent0000.gif"));
    QCOMPARE(values.smallprefix, QStringLiteral("pentglsm\\pent00"));
    QCOMPARE(values.picext, QStringLiteral(".gif"));
    QCOMPARE(values.framecount, qint16(20));
    QCOMPARE(values.frameno, qint16(0));
    // What the player steps through is what the values say.
    values.smallprefix = QStringLiteral("ocstarsm\\ocstar");
    values.picext = QStringLiteral(".jpg");
    values.framecount = 30;
    QCOMPARE(chosen.stepBack(), QStringLiteral("ocstarsm\\ocstar29.jpg"));

    // A page's own sequence ignores a question's choice and leaves the values be.
    FramePlayer fixed(values, FrameSequences::Triangle);
    QCOMPARE(fixed.restart(FrameSequences::Pentagram), QStringLiteral("tri2sm\\tri200.jpg"));
    QCOMPARE(fixed.stepForward(), QStringLiteral("tri2sm\\tri201.jpg"));
    QCOMPARE(values.smallprefix, QStringLiteral("ocstarsm\\ocstar"));
}

void TestProblemRules::availability_data()
{
    QTest::addColumn<QString>("presses");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QList<bool>>("available"); // play, pause, back, forward

    const QList<bool> playing{false, true, false, false};
    const QList<bool> paused{true, true, true, true};
    QTest::newRow("opens playing") << "" << false << playing;
    QTest::newRow("pause") << "pause" << false << paused;
    QTest::newRow("pause, play") << "pause play" << true << playing;
    // A new question starts or stops the frames; the bar is left as it was.
    QTest::newRow("pause, question starts") << "pause run" << true << paused;
    QTest::newRow("question stops") << "play stop" << false << playing;
    QTest::newRow("steps and a second pause change nothing") << "pause step back pause" << false << paused;
}

void TestProblemRules::availability()
{
    QFETCH(QString, presses);
    QFETCH(bool, running);
    QFETCH(QList<bool>, available);
    ProgramValues values;
    FramePlayer player(values, FrameSequences::Triangle);
    for (const QString &press : presses.split(u' ', Qt::SkipEmptyParts)) {
        if (press == u"play")
            player.play();
        else if (press == u"pause")
            player.pause();
        else if (press == u"run" || press == u"stop")
            player.setRunning(press == u"run");
        else if (press == u"step")
            player.stepForward();
        else
            player.stepBack();
    }
    QCOMPARE(player.isRunning(), running);
    const QList<bool> actual{player.isAvailable(Control::Play), player.isAvailable(Control::Pause),
                             player.isAvailable(Control::StepBack), player.isAvailable(Control::StepForward)};
    QCOMPARE(actual, available);
}

void TestProblemRules::questionTypeNeverRepeats_data()
{
    QTest::addColumn<int>("last"); // -1: nothing drawn yet this run
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("type");
    QTest::newRow("nothing yet counts as 0") << -1 << 0 << 1;
    QTest::newRow("nothing yet lets 3 through") << -1 << 3 << 3;
    QTest::newRow("repeat of 2 becomes 3") << 2 << 2 << 3;
    QTest::newRow("repeat of 7 wraps to 0") << 7 << 7 << 0;
    QTest::newRow("another type stays") << 5 << 6 << 6;
    QTest::newRow("the successor stays") << 7 << 0 << 0;
}

void TestProblemRules::questionTypeNeverRepeats()
{
    QFETCH(int, last);
    QFETCH(int, drawn);
    QFETCH(int, type);
    ProgramValues values;
    if (last >= 0)
        values.lastquestion = last;
    QCOMPARE(takeQuestionType(drawn, values), type);
    QCOMPARE(values.lastquestion, std::optional<int>(type));
}

void TestProblemRules::answerCheck_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("answer");
    QTest::addColumn<bool>("correct");

    QTest::newRow("exact") << "45" << 45.0 << true;
    // Right to two places passes: 0.005 off squares to 2.5e-5, below 2.6e-5.
    QTest::newRow("0.005 over") << "45.005" << 45.0 << true;
    QTest::newRow("0.005 under") << "4.995" << 5.0 << true;
    QTest::newRow("0.0051 over") << "45.0051" << 45.0 << false;
    QTest::newRow("0.0051 under") << "4.9949" << 5.0 << false;
    QTest::newRow("one off") << "44" << 45.0 << false;
    // Read by the leading-number rule, not as a whole.
    QTest::newRow("blank inside") << "4 5" << 45.0 << true;
    QTest::newRow("degree sign") << "45\u00B0" << 45.0 << true;
    QTest::newRow("words") << "forty-five" << 45.0 << false;
    QTest::newRow("empty") << "" << 45.0 << false;
    // Squares that overflow are wrong, not right by accident.
    QTest::newRow("huge") << "1E200" << 45.0 << false;
    QTest::newRow("beyond double") << "1E400" << 45.0 << false;
}

void TestProblemRules::answerCheck()
{
    QFETCH(QString, typed);
    QFETCH(double, answer);
    QFETCH(bool, correct);
    QCOMPARE(AnswerCheck::judge(typed, answer), correct ? AnswerCheck::Verdict::Correct : AnswerCheck::Verdict::Wrong);
}

QTEST_GUILESS_MAIN(TestProblemRules)
#include "tst_problemrules.moc"
