// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/randomsource.h"

#include <QTest>

class TestRandomSource : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void opensTheSameUntilReseeded_data()
    {
        QTest::addColumn<double>("now"); // seconds since midnight
        QTest::newRow("just after midnight") << 0.05;
        QTest::newRow("mid-morning") << 36000.25;
        QTest::newRow("just before midnight") << 86399.85;
    }
    void opensTheSameUntilReseeded()
    {
        // Every run opens with the same figures until the clock re-seeds, whatever the time.
        QFETCH(double, now);
        ClockSeededRandom random([now] { return now; });
        for (double expected : {0.7055475115776062, 0.5334240198135376, 0.5795186161994934, 0.289562463760376})
            QCOMPARE(random.next(), expected);
        // A re-seed departs from that opening, and from then on the clock leads:
        // the same reading gives the same values, one a tenth of a second later others.
        const auto reseeded = [](double at) {
            ClockSeededRandom fresh([at] { return at; });
            fresh.reseedFromClock();
            return std::pair(fresh.next(), fresh.next());
        };
        QVERIFY(reseeded(now) != std::pair(0.7055475115776062, 0.5334240198135376));
        QCOMPARE(reseeded(now), reseeded(now));
        QVERIFY(reseeded(now + 0.1) != reseeded(now));
    }
};

QTEST_GUILESS_MAIN(TestRandomSource)
#include "tst_randomsource.moc"
