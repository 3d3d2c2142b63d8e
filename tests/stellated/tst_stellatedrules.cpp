// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The stellated topic without widgets: the star's corners, the explorer's
// number boxes after Enter and the problems page's questions.
#include "common/questionhistory.h"
#include "stellated/explorerrules.h"
#include "stellated/starpolygon.h"
#include "stellated/starquestions.h"
#include "support/datarow.h"
#include "support/scriptedrandom.h"

#include <QTest>

class TestStellatedRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void vertexPlaces()
    {
        // Pi cut after ten decimals puts the single vertex 2250 x 8.98e-11 =
        // 2.02e-7 twips left of the centre's vertical. Which corners the star's
        // lines join is pinned by the figures tst_starexplorer expects.
        const double offset = 9000 - StarPolygon(1, 0).vertex(0).x();
        QVERIFY2(offset > 2.01e-7 && offset < 2.03e-7, qPrintable(QString::number(offset, 'g', 6)));
    }

    void explorerAfterEnter_data()
    {
        // In order: both numbers capped at 20, a step of n or more halved down,
        // then a step of n / 2 made one less; each reads the boxes afresh, by
        // the leading-number rule, and keeps the text when it passes.
        QTest::addColumn<QString>("edges");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("edgesAfter");
        QTest::addColumn<QString>("stepAfter");
        addDataRow("half made one less", "8", "4", "8", " 3");
        addDataRow("step of n halved down", "7", "7", "7", "3");
        addDataRow("a star kept", "7", "5", "7", "5");
        addDataRow("both capped", "99", "99", "20", " 9");
        addDataRow("negative half made one less", "-8", "-4", "-8", "-5");
    }
    void explorerAfterEnter()
    {
        QFETCH(QString, edges);
        QFETCH(QString, step);
        const StarBoxes boxes = ExplorerRules::afterEnter({edges, step});
        QTEST(boxes.edges, "edgesAfter");
        QTEST(boxes.step, "stepAfter");
    }

    void questions_data()
    {
        // Each type from a value in its middle, with another type drawn last;
        // then the extremes: 0.375 - 1e-10 is 2.99... times 8 in double precision
        // but 0.375 in single precision, a value that rounds to 1 there keeps to
        // the last type, and a repeat of 7 wraps to 0.
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("type");
        for (int t = 0; t < 8; ++t)
            QTest::addRow("type %d", t) << (t + 0.5) / 8 << (t + 4) % 8 << t;
        addDataRow("single precision", 0.375 - 1e-10, 0, 3);
        addDataRow("rounds to 1", 0.99999999, 0, 7);
        addDataRow("repeat of 7", 0.9, 7, 0);
    }
    void questions()
    {
        QFETCH(double, r);
        QFETCH(int, last);
        QFETCH(int, type);
        // Each type's question asks about the figure its animation shows.
        const char *subjects[] =
            {"edges", "edges", "edges", "pentagram", "Star of David", "octagon", "dodecagon", "nonagon"};
        const double answers[] = {8, 9, 5, 72, 60, 45, 30, 3};
        const FrameSequence animations[] = {FrameSequences::StellatedOctagon,
                                            FrameSequences::StellatedNonagon,
                                            FrameSequences::Pentagram};
        const int animation[] = {0, 1, 2, 2, 0, 0, 0, 1};
        ScriptedRandom random({r});
        QuestionHistory history(last);
        const Question q = StarQuestions().draw(random, history);
        QCOMPARE(q.type, type);
        QVERIFY2(q.text.contains(QLatin1String(subjects[type])), qPrintable(q.text));
        QCOMPARE(q.answer, answers[type]);
        QCOMPARE(q.animation, std::optional<FrameSequence>(animations[animation[type]]));
    }
};

QTEST_GUILESS_MAIN(TestStellatedRules)
#include "tst_stellatedrules.moc"
