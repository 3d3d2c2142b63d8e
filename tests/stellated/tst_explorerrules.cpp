// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/leadingnumber.h"
#include "common/randomsource.h"
#include "stellated/explorerrules.h"

#include <QSet>
#include <QTest>

namespace {

// "edges|step", blanks kept: "8| 3".
QString shown(const StarBoxes &boxes)
{
    return boxes.edges + u'|' + boxes.step;
}

} // namespace

class TestExplorerRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keyFilter_data();
    void keyFilter();
    void startingPair_data();
    void startingPair();
    void startingPairsCoverTheListedRange();
    void enterCorrections_data();
    void enterCorrections();
};

void TestExplorerRules::keyFilter_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("passes");

    for (char digit = '0'; digit <= '9'; ++digit)
        QTest::addRow("digit %c", digit) << int(digit) << true;
    QTest::newRow("Backspace") << 8 << true;
    QTest::newRow("Enter") << 13 << true;
    QTest::newRow("letter a") << int('a') << false;
    QTest::newRow("letter E") << int('E') << false;
    QTest::newRow("space") << int(' ') << false;
    QTest::newRow("minus") << int('-') << false;
    QTest::newRow("full stop") << int('.') << false;
    QTest::newRow("slash, just below 0") << int('/') << false;
    QTest::newRow("colon, just above 9") << int(':') << false;
    QTest::newRow("Escape") << 27 << false;
    QTest::newRow("Ctrl+V") << 22 << false;
    QTest::newRow("degree sign") << 0xB0 << false;
    QTest::newRow("Arabic-Indic digit") << 0x0663 << false;
}

void TestExplorerRules::keyFilter()
{
    QFETCH(int, code);
    QFETCH(bool, passes);
    QCOMPARE(ExplorerRules::keyPasses(code), passes);
}

void TestExplorerRules::startingPair_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("rPrime");
    QTest::addColumn<QString>("boxes");

    QTest::newRow("lowest draws: a step of 1 becomes 2") << 0.0 << 0.0 << QStringLiteral("5|2");
    QTest::newRow("pentagon, highest step") << 0.1 << 0.99 << QStringLiteral("5|3");
    QTest::newRow("hexagon, step 3 is half of 6") << 0.15 << 0.7 << QStringLiteral("6| 2");
    QTest::newRow("hexagon, step 2") << 0.15 << 0.5 << QStringLiteral("6|2");
    QTest::newRow("octagon, step 4 is half of 8") << 0.45 << 0.99 << QStringLiteral("8| 3");
    QTest::newRow("nonagon, step 5 is more than half") << 0.6 << 0.99 << QStringLiteral("9|5");
    QTest::newRow("hendecagon, highest draws") << 0.99 << 0.99 << QStringLiteral("11|6");
    QTest::newRow("decagon, step 5 is half of 10") << 0.75 << 0.99 << QStringLiteral("10| 4");
}

void TestExplorerRules::startingPair()
{
    QFETCH(double, r);
    QFETCH(double, rPrime);
    QFETCH(QString, boxes);
    ScriptedRandom random({r, rPrime, 0.5});
    QCOMPARE(shown(ExplorerRules::startingPair(random)), boxes);
    QCOMPARE(random.draws(), 2);
    QCOMPARE(random.reseeds(), 0);
}

void TestExplorerRules::startingPairsCoverTheListedRange()
{
    // Every pair the page can open with, over a fine grid of both draws.
    const QSet<QPair<int, int>> listed = [] {
        const QList<QPair<int, QList<int>>> steps{{5, {2, 3}}, {6, {2}}, {7, {2, 3, 4}}, {8, {2, 3}},
                                                  {9, {2, 3, 4, 5}}, {10, {2, 3, 4}}, {11, {2, 3, 4, 5, 6}}};
        QSet<QPair<int, int>> set;
        for (const auto &[n, ks] : steps) {
            for (int k : ks)
                set.insert({n, k});
        }
        return set;
    }();
    QSet<QPair<int, int>> seen;
    constexpr int Steps = 256;
    for (int i = 0; i < Steps; ++i) {
        for (int j = 0; j < Steps; ++j) {
            ScriptedRandom random({double(i) / Steps, double(j) / Steps});
            const StarBoxes boxes = ExplorerRules::startingPair(random);
            const QPair<int, int> pair{int(leadingNumber(boxes.edges)), int(leadingNumber(boxes.step))};
            QVERIFY2(listed.contains(pair), qPrintable(shown(boxes)));
            seen.insert(pair);
        }
    }
    QCOMPARE(seen, listed);
}

void TestExplorerRules::enterCorrections_data()
{
    QTest::addColumn<QString>("edges");
    QTest::addColumn<QString>("step");
    // The boxes after each correction: edges capped, step capped, step below
    // n, no step of n / 2.
    QTest::addColumn<QStringList>("after");

    auto row = [](const char *name, const char *edges, const char *step, QStringList after) {
        QTest::newRow(name) << QString::fromLatin1(edges) << QString::fromLatin1(step) << after;
    };
    row("25 and 3: edges capped", "25", "3", {"20|3", "20|3", "20|3", "20|3"});
    row("8 and 4: half of n", "8", "4", {"8|4", "8|4", "8|4", "8| 3"});
    row("8 and 9: halved, then one less", "8", "9", {"8|9", "8|9", "8|4", "8| 3"});
    row("7 and 7: halved down, 3.5 is not 3", "7", "7", {"7|7", "7|7", "7|3", "7|3"});
    row("7 and 5: nothing rewritten", "7", "5", {"7|5", "7|5", "7|5", "7|5"});
    row("0 and a step", "0", "3", {"0|3", "0|3", "0|0", "0|-1"});
    row("empty edges and a step", "", "4", {"|4", "|4", "|0", "|-1"});
    row("0 and -1 stays", "0", "-1", {"0|-1", "0|-1", "0|-1", "0|-1"});
    row("2 and 1: blank-led 0", "2", "1", {"2|1", "2|1", "2|1", "2| 0"});
    row("1 and 5", "1", "5", {"1|5", "1|5", "1|0", "1|0"});
    row("both too large", "99", "99", {"20|99", "20|20", "20|10", "20| 9"});
    row("20 and 10", "20", "10", {"20|10", "20|10", "20|10", "20| 9"});
    row("20 and 7 kept", "20", "7", {"20|7", "20|7", "20|7", "20|7"});
    row("5 and -1 kept", "5", "-1", {"5|-1", "5|-1", "5|-1", "5|-1"});
    row("blank-led step read as a number", "8", " 3", {"8| 3", "8| 3", "8| 3", "8| 3"});
    row("pasted letters read as 0", "ab", "3", {"ab|3", "ab|3", "ab|0", "ab|-1"});
    row("empty step is 0", "5", "", {"5|", "5|", "5|", "5|"});
    row("pasted negative edges", "-8", "-4", {"-8|-4", "-8|-4", "-8|-4", "-8|-5"});
    row("pasted negative odd edges", "-5", "3", {"-5|3", "-5|3", "-5|-3", "-5|-3"});
}

void TestExplorerRules::enterCorrections()
{
    QFETCH(QString, edges);
    QFETCH(QString, step);
    QFETCH(QStringList, after);
    const QList<StarBoxes> steps = ExplorerRules::enterCorrections({edges, step});
    QStringList seen;
    for (const StarBoxes &boxes : steps)
        seen.append(shown(boxes));
    QCOMPARE(seen, after);
    QCOMPARE(shown(ExplorerRules::afterEnter({edges, step})), after.constLast());
}

QTEST_GUILESS_MAIN(TestExplorerRules)
#include "tst_explorerrules.moc"
