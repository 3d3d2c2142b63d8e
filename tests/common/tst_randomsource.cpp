// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/randomsource.h"

#include <QTest>

class TestRandomSource : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void opensWithTheSameValuesEveryRun_data()
    {
        QTest::addColumn<double>("now"); // seconds since midnight
        QTest::newRow("just after midnight") << 0.05;
        QTest::newRow("mid-morning") << 36000.25;
        QTest::newRow("just before midnight") << 86399.9;
    }
    void opensWithTheSameValuesEveryRun()
    {
        // Every run opens with the same figure until the clock re-seeds, whatever the time.
        // Each value is a multiple of 2^-24: exact in single precision, never rounding up to 1.
        QFETCH(double, now);
        ClockSeededRandom random([now] { return now; }), unseeded([now] { return now; });
        for (double expected : {0.7055475115776062, 0.5334240198135376, 0.5795186161994934, 0.289562463760376}) {
            QCOMPARE(random.next(), expected);
            QCOMPARE(unseeded.next(), expected);
        }
        // From a re-seed on, the clock leads.
        random.reseedFromClock();
        QVERIFY(std::pair(random.next(), random.next()) != std::pair(unseeded.next(), unseeded.next()));
    }

    void reseedingFollowsTheClock()
    {
        const auto draws = [](double now) {
            ClockSeededRandom random([now] { return now; });
            random.reseedFromClock();
            return std::pair(random.next(), random.next());
        };
        QCOMPARE(draws(50000.3), draws(50000.3));
        // Readings a tenth of a second apart start different sequences, also just after midnight.
        QVERIFY(draws(50000.4) != draws(50000.3));
        QVERIFY(draws(0.1) != draws(0.05));
    }
};

QTEST_GUILESS_MAIN(TestRandomSource)
#include "tst_randomsource.moc"
