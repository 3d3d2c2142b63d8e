// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/randomsource.h"
#include "support/scriptedrandom.h"

#include <QSet>
#include <QTest>

class TestRandomSource : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsFromTheSameStateEveryRun();
    void valuesLieInUnitIntervalAndAreExactInSinglePrecision();
    void isRoughlyUniform();
    void reseedingFollowsTheClock_data();
    void reseedingFollowsTheClock();
    void scriptedValuesStayBelowOne();
};

void TestRandomSource::startsFromTheSameStateEveryRun()
{
    ClockSeededRandom first([] { return 1.0; });
    ClockSeededRandom second([] { return 99.0; });
    for (int i = 0; i < 100; ++i)
        QCOMPARE(first.next(), second.next());
}

void TestRandomSource::valuesLieInUnitIntervalAndAreExactInSinglePrecision()
{
    ClockSeededRandom random;
    for (int i = 0; i < 200000; ++i) {
        const double r = random.next();
        QVERIFY(r >= 0 && r < 1);
        // A draw scaled in single precision must never reach the top of its range.
        QVERIFY(static_cast<float>(r) < 1.0f);
        QCOMPARE(double(static_cast<float>(r)), r);
    }
}

void TestRandomSource::isRoughlyUniform()
{
    ClockSeededRandom random;
    random.reseed(43210.5);
    QList<int> buckets(8, 0);
    constexpr int draws = 80000;
    for (int i = 0; i < draws; ++i)
        ++buckets[int(random.next() * 8)];
    for (int count : std::as_const(buckets))
        QVERIFY2(qAbs(count - draws / 8) < draws / 80, qPrintable(QString::number(count)));
}

void TestRandomSource::reseedingFollowsTheClock_data()
{
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::newRow("a second apart") << 36000.0 << 36001.0;
    QTest::newRow("a tenth of a second apart") << 50000.3 << 50000.4;
    QTest::newRow("just after midnight") << 0.05 << 0.1;
}

void TestRandomSource::reseedingFollowsTheClock()
{
    QFETCH(double, first);
    QFETCH(double, second);
    double now = first;
    ClockSeededRandom random([&now] { return now; });
    random.reseedFromClock();
    const double a = random.next();
    const double a2 = random.next();

    ClockSeededRandom same([&now] { return now; });
    same.reseedFromClock();
    QCOMPARE(same.next(), a);
    QCOMPARE(same.next(), a2);

    now = second;
    ClockSeededRandom later([&now] { return now; });
    later.reseedFromClock();
    QVERIFY(later.next() != a || later.next() != a2);
}

void TestRandomSource::scriptedValuesStayBelowOne()
{
    ScriptedRandom scripted({0.5, 1.0, -0.25, 0.999});
    QCOMPARE(scripted.next(), 0.5);
    const double top = scripted.next();
    QVERIFY(top < 1);
    QVERIFY(static_cast<float>(top) < 1.0f);
    QCOMPARE(scripted.next(), 0.0);
    QCOMPARE(scripted.next(), 0.999);
    QCOMPARE(scripted.next(), 0.5); // starts again
    QCOMPARE(scripted.draws(), 5);
}

QTEST_GUILESS_MAIN(TestRandomSource)
#include "tst_randomsource.moc"
