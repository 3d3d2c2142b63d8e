// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/programvalues.h"
#include "problems/frameplayer.h"

#include <QTest>

using Control = FramePlayer::Control;

class TestFramePlayer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void ticksRunThroughTheLoop_data();
    void ticksRunThroughTheLoop();
    void stepBackFromTheFirstFrame_data();
    void stepBackFromTheFirstFrame();
    void stepsFromACounterLeftOutsideTheLoop_data();
    void stepsFromACounterLeftOutsideTheLoop();
    void chosenSequenceGoesIntoTheProgramValues();
    void fixedSequenceIgnoresAChoice();
    void availability_data();
    void availability();
};

void TestFramePlayer::ticksRunThroughTheLoop_data()
{
    QTest::addColumn<FrameSequence>("sequence");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("last");
    QTest::newRow("triangle") << FrameSequences::Triangle << QStringLiteral("tri2sm\\tri201.jpg") << QStringLiteral("tri2sm\\tri214.jpg");
    QTest::newRow("octagon") << FrameSequences::StellatedOctagon << QStringLiteral("ocstarsm\\ocstar01.jpg")
                             << QStringLiteral("ocstarsm\\ocstar29.jpg");
    QTest::newRow("nonagon") << FrameSequences::StellatedNonagon << QStringLiteral("stelnsm\\stel0001.gif")
                             << QStringLiteral("stelnsm\\stel0039.gif");
    QTest::newRow("pentagram") << FrameSequences::Pentagram << QStringLiteral("pentglsm\\pent0001.gif")
                               << QStringLiteral("pentglsm\\pent0019.gif");
}

void TestFramePlayer::ticksRunThroughTheLoop()
{
    QFETCH(FrameSequence, sequence);
    QFETCH(QString, second);
    QFETCH(QString, last);
    ProgramValues values;
    values.frameno = 9;
    FramePlayer player(values, std::nullopt);
    QCOMPARE(player.restart(sequence), sequence.fileName(0));
    QCOMPARE(values.frameno, qint16(0));

    QStringList shown;
    for (int i = 0; i < sequence.count + 1; ++i)
        shown.append(player.stepForward());
    QCOMPARE(shown.first(), second);
    QCOMPARE(shown.at(sequence.count - 2), last);
    QCOMPARE(shown.at(sequence.count - 1), sequence.fileName(0));
    QCOMPARE(shown.last(), second);
    // Every frame once per loop.
    QCOMPARE(QSet<QString>(shown.begin(), shown.end() - 1).size(), sequence.count);
}

void TestFramePlayer::stepBackFromTheFirstFrame_data()
{
    QTest::addColumn<FrameSequence>("sequence");
    QTest::addColumn<QString>("last");
    QTest::newRow("triangle") << FrameSequences::Triangle << QStringLiteral("tri2sm\\tri214.jpg");
    QTest::newRow("octagon") << FrameSequences::StellatedOctagon << QStringLiteral("ocstarsm\\ocstar29.jpg");
    QTest::newRow("pentagram") << FrameSequences::Pentagram << QStringLiteral("pentglsm\\pent0019.gif");
}

void TestFramePlayer::stepBackFromTheFirstFrame()
{
    QFETCH(FrameSequence, sequence);
    QFETCH(QString, last);
    ProgramValues values;
    FramePlayer player(values, sequence);
    player.restart();
    QCOMPARE(player.stepBack(), last);
    QCOMPARE(values.frameno, qint16(sequence.count - 1));
    QCOMPARE(player.stepBack(), sequence.fileName(sequence.count - 2));
    player.stepForward();
    QCOMPARE(player.stepForward(), sequence.fileName(0));
}

void TestFramePlayer::stepsFromACounterLeftOutsideTheLoop_data()
{
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("afterForward");
    QTest::addColumn<int>("afterBack");
    // The counter is shared: another animation may have left any value.
    QTest::newRow("past the end") << 37 << 18 << 16;
    QTest::newRow("negative") << -3 << 18 << 16;
    QTest::newRow("largest") << 32767 << 8 << 6;
}

void TestFramePlayer::stepsFromACounterLeftOutsideTheLoop()
{
    QFETCH(int, counter);
    QFETCH(int, afterForward);
    QFETCH(int, afterBack);
    ProgramValues values;
    FramePlayer player(values, FrameSequences::Pentagram);
    values.frameno = qint16(counter);
    QCOMPARE(player.stepForward(), FrameSequences::Pentagram.fileName(afterForward));
    values.frameno = qint16(counter);
    QCOMPARE(player.stepBack(), FrameSequences::Pentagram.fileName(afterBack));
}

void TestFramePlayer::chosenSequenceGoesIntoTheProgramValues()
{
    ProgramValues values;
    FramePlayer player(values, std::nullopt);
    QVERIFY(!player.hasFixedSequence());
    player.restart(FrameSequences::StellatedNonagon);
    player.stepForward();
    player.restart(FrameSequences::Pentagram);
    QCOMPARE(values.smallprefix, QStringLiteral("pentglsm\\pent00"));
    QCOMPARE(values.picext, QStringLiteral(".gif"));
    QCOMPARE(values.framecount, qint16(20));
    QCOMPARE(values.frameno, qint16(0));
    // What the player steps through is what the values say.
    values.smallprefix = QStringLiteral("ocstarsm\\ocstar");
    values.picext = QStringLiteral(".jpg");
    values.framecount = 30;
    QCOMPARE(player.stepBack(), QStringLiteral("ocstarsm\\ocstar29.jpg"));
}

void TestFramePlayer::fixedSequenceIgnoresAChoice()
{
    ProgramValues values;
    values.smallprefix = QStringLiteral("stelnsm\\stel00");
    FramePlayer player(values, FrameSequences::Triangle);
    values.frameno = 5;
    QCOMPARE(player.restart(FrameSequences::Pentagram), QStringLiteral("tri2sm\\tri200.jpg"));
    QCOMPARE(values.frameno, qint16(0));
    QCOMPARE(values.smallprefix, QStringLiteral("stelnsm\\stel00"));
}

void TestFramePlayer::availability_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QList<bool>>("available"); // play, pause, back, forward

    QTest::newRow("opens playing") << QStringList{} << false << QList<bool>{false, true, false, false};
    QTest::newRow("pause") << QStringList{QStringLiteral("pause")} << false << QList<bool>{true, true, true, true};
    QTest::newRow("pause, play") << QStringList{QStringLiteral("pause"), QStringLiteral("play")} << true
                                 << QList<bool>{false, true, false, false};
    QTest::newRow("pause twice") << QStringList{QStringLiteral("pause"), QStringLiteral("pause")} << false
                                 << QList<bool>{true, true, true, true};
    // A new question starts the frames; the bar is left as it was.
    QTest::newRow("pause, question starts")
        << QStringList{QStringLiteral("pause"), QStringLiteral("run")} << true << QList<bool>{true, true, true, true};
    QTest::newRow("question stops") << QStringList{QStringLiteral("play"), QStringLiteral("stop")} << false
                                    << QList<bool>{false, true, false, false};
    QTest::newRow("steps change nothing") << QStringList{QStringLiteral("pause"), QStringLiteral("step"), QStringLiteral("back")}
                                          << false << QList<bool>{true, true, true, true};
}

void TestFramePlayer::availability()
{
    QFETCH(QStringList, presses);
    QFETCH(bool, running);
    QFETCH(QList<bool>, available);
    ProgramValues values;
    FramePlayer player(values, FrameSequences::Triangle);
    for (const QString &press : presses) {
        if (press == u"play")
            player.play();
        else if (press == u"pause")
            player.pause();
        else if (press == u"run")
            player.setRunning(true);
        else if (press == u"stop")
            player.setRunning(false);
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

QTEST_GUILESS_MAIN(TestFramePlayer)
#include "tst_frameplayer.moc"
