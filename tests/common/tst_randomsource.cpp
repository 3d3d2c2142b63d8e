// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/randomsource.h"

#include <QTest>

class TestRandomSource : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void opensWithTheSameValuesEveryRun()
    {
        // Every run opens with the same figure until the clock re-seeds, whatever the time.
        // Each value is a multiple of 2^-24: exact in single precision, never rounding up to 1.
        ClockSeededRandom random([] { return 12345.6; });
        for (double expected : {0.7055475115776062, 0.5334240198135376, 0.5795186161994934, 0.289562463760376})
            QCOMPARE(random.next(), expected);
    }

    void reseedingFollowsTheClock_data()
    {
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::newRow("a second apart") << 36000.0 << 36001.0;
        QTest::newRow("a tenth of a second apart") << 50000.3 << 50000.4;
        QTest::newRow("just after midnight") << 0.05 << 0.1;
    }
    void reseedingFollowsTheClock()
    {
        QFETCH(double, first);
        QFETCH(double, second);
        double now = first;
        const auto draws = [&now] {
            ClockSeededRandom random([&now] { return now; });
            random.reseedFromClock();
            return std::pair(random.next(), random.next());
        };
        const auto drawn = draws();
        QCOMPARE(draws(), drawn);
        now = second;
        QVERIFY(draws() != drawn);
    }
};

QTEST_GUILESS_MAIN(TestRandomSource)
#include "tst_randomsource.moc"
