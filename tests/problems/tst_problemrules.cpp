// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The problems pages' rules without widgets: the animation player and the
// answer check. The no-repeat rule for question types is pinned by each
// question set's own test.
#include "common/language.h"
#include "problems/answercheck.h"
#include "problems/frameplayer.h"
#include "support/datarow.h"

#include <QTest>

using Control = PlayerControl;

// The languages whose pupils write a decimal comma.
const char *const CommaLanguages[] = {"de", "fr", "es", "it", "pt_BR", "nl", "pl", "uk"};

class TestProblemRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void frames_data()
    {
        // A player starts at frame 0. Steps back (b) and on (f) wrap round both
        // ends; a question's sequence (q: the pentagram) starts at its frame 0
        // wherever the last one stood, and a page's own sequence stays.
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<int>("sequence");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("name");
        addDataRow("triangle, back from the first", true, 0, "b", "tri2sm\\tri214.jpg");
        addDataRow("octagon, back from the first", false, 1, "b", "ocstarsm\\ocstar29.jpg");
        addDataRow("nonagon, back from the first", false, 2, "b", "stelnsm\\stel0039.gif");
        addDataRow("pentagram, on from the last", false, 3, "bf", "pentglsm\\pent0000.gif");
        addDataRow("a question's sequence from its start", false, 2, "bbqf", "pentglsm\\pent0001.gif");
        addDataRow("the page's own sequence stays", true, 0, "ffq", "tri2sm\\tri200.jpg");
    }
    void frames()
    {
        QFETCH(bool, fixed);
        QFETCH(int, sequence);
        QFETCH(QString, steps);
        const FrameSequence sequences[] = {FrameSequences::Triangle,
                                           FrameSequences::StellatedOctagon,
                                           FrameSequences::StellatedNonagon,
                                           FrameSequences::Pentagram};
        FramePlayer player(fixed ? std::optional(sequences[sequence]) : std::nullopt);
        QString shown = fixed ? player.restart() : player.restart(sequences[sequence]);
        for (const QChar step : steps)
            shown = step == u'b'   ? player.stepBack()
                    : step == u'f' ? player.stepForward()
                                   : player.restart(FrameSequences::Pentagram);
        QTEST(shown, "name");
    }

    void availability_data()
    {
        // After each action: whether the frames run, and which of play, pause,
        // step back and step forward the bar offers.
        QTest::addColumn<QString>("actions");
        QTest::addColumn<bool>("running");
        QTest::addColumn<QList<bool>>("available");
        QTest::newRow("at the start") << "" << false << QList<bool>{false, true, false, false};
        QTest::newRow("paused") << "p" << false << QList<bool>{true, true, true, true};
        QTest::newRow("playing again") << "pP" << true << QList<bool>{false, true, false, false};
        // A new question starts the frames after a pause; the bar is left as it was.
        QTest::newRow("new question after a pause") << "pPpq" << true << QList<bool>{true, true, true, true};
    }
    void availability()
    {
        QFETCH(QString, actions);
        FramePlayer player(FrameSequences::Triangle);
        for (const QChar action : actions)
            action == u'p' ? player.pause() : action == u'P' ? player.play() : player.setRunning(true);
        QTEST(player.isRunning(), "running");
        QList<bool> available;
        for (Control c : {Control::Play, Control::Pause, Control::StepBack, Control::StepForward})
            available += player.isAvailable(c);
        QTEST(available, "available");
    }

    void answerCheck_data()
    {
        // Right to two places passes: 0.005 off squares to 2.5e-5, below 2.6e-5.
        // The typing is read by the leading-number rule, not as a whole; a square
        // that overflows is wrong, not right by accident.
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("answer");
        QTest::addColumn<bool>("correct");
        addDataRow("whole", "", "45", 45.0, true);
        addDataRow("just inside", "", "45.005", 45.0, true);
        addDataRow("blank inside", "", "4 5", 45.0, true);
        addDataRow("degree sign after", "", "45\u00B0", 45.0, true);
        addDataRow("just outside", "", "45.0051", 45.0, false);
        addDataRow("empty", "", "", 45.0, false);
        addDataRow("just inside, below", "", "44.995", 45.0, true);
        addDataRow("just outside, below", "", "44.9949", 45.0, false);
        addDataRow("another answer", "", "108", 108.0, true);
        addDataRow("the answer to another question", "", "45", 108.0, false);
        addDataRow("a half", "", "22.5", 22.5, true);
        addDataRow("the half left off", "", "22", 22.5, false);
        addDataRow("square overflows", "", "1E400", 45.0, false);
        // Where pupils write a decimal comma it is the decimal point; English reads on to the comma only.
        addDataRow("English: a comma ends the number", "", "45,5", 45.0, true);
        for (const char *language : CommaLanguages) {
            const auto tag = [language](const char *what) { return QByteArray(language) + ": " + what; };
            addDataRow(tag("decimal comma"), language, "45,5", 45.0, false);
            addDataRow(tag("decimal comma read"), language, "45,5", 45.5, true);
            addDataRow(tag("trailing zero"), language, "2,50", 2.5, true);
            addDataRow(tag("second comma ends"), language, "1,2,3", 1.2, true);
            addDataRow(tag("point still works"), language, "45.5", 45.5, true);
            addDataRow(tag("comma then point"), language, "1,2.3", 1.2, true);
            addDataRow(tag("comma at the end"), language, "45,", 45.0, true);
        }
        // Chinese pupils write a decimal point, as English ones do.
        addDataRow("zh_CN: a comma ends the number", "zh_CN", "45,5", 45.0, true);
        addDataRow("zh_CN: decimal point", "zh_CN", "45.5", 45.5, true);
    }
    void answerCheck()
    {
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(double, answer);
        QFETCH(bool, correct);
        QVERIFY(Language::install(language));
        QCOMPARE(AnswerCheck::judge(typed, answer) == AnswerCheck::Verdict::Correct, correct);
    }

    // The solution is written as the language writes numbers.
    void solution_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("shown");
        addDataRow("English", "", "22.5");
        for (const char *language : CommaLanguages)
            addDataRow(language, language, "22,5");
        addDataRow("Simplified Chinese", "zh_CN", "22.5");
    }
    void solution()
    {
        QFETCH(QString, language);
        QVERIFY(Language::install(language));
        QTEST(AnswerCheck::solution(22.5), "shown");
    }
    void cleanup() { Language::install({}); }
};

QTEST_GUILESS_MAIN(TestProblemRules)
#include "tst_problemrules.moc"
