// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "stellated/starpolygon.h"

#include <QSet>
#include <QTest>
#include <cmath>

using Segments = QList<StarPolygon::Segment>;
Q_DECLARE_METATYPE(StarPolygon::Segment)

namespace {

constexpr double Near = 1e-6;

Segments segmentList(std::initializer_list<std::pair<int, int>> ends)
{
    Segments list;
    for (const auto &[from, to] : ends)
        list.append({from, to});
    return list;
}

// The segments as undirected pairs, for comparing figures traced the other way.
QSet<QPair<int, int>> undirected(const Segments &segments)
{
    QSet<QPair<int, int>> set;
    for (const StarPolygon::Segment &s : segments)
        set.insert(qMakePair(qMin(s.from, s.to), qMax(s.from, s.to)));
    return set;
}

bool nearPoint(QPointF a, QPointF b)
{
    return std::abs(a.x() - b.x()) < Near && std::abs(a.y() - b.y()) < Near;
}

} // namespace

class TestStarPolygon : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void vertexPlaces_data();
    void vertexPlaces();
    void oddFiguresPointUpEvenOnesHaveATopEdge_data();
    void oddFiguresPointUpEvenOnesHaveATopEdge();
    void everyVertexLiesOnTheCircleAnticlockwise();
    void piHasTenDecimals();
    void drawnVerticesAreSinglePrecision();
    void segments_data();
    void segments();
    void sameFigures_data();
    void sameFigures();
    void roundingMod_data();
    void roundingMod();
    void neverLeavesTheVertexTables();
};

void TestStarPolygon::vertexPlaces_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<int>("vertex");
    QTest::addColumn<QPointF>("place");

    QTest::newRow("one vertex: top of the circle") << 1.0 << 0 << QPointF(9000, 2550);
    QTest::newRow("two: left end of the diameter") << 2.0 << 0 << QPointF(6750, 4800);
    QTest::newRow("two: right end of the diameter") << 2.0 << 1 << QPointF(11250, 4800);
    QTest::newRow("pentagon: vertex 3 straight up") << 5.0 << 3 << QPointF(9000, 2550);
    QTest::newRow("hexagon: vertex 2 at the right") << 6.0 << 2 << QPointF(11250, 4800);
    QTest::newRow("hexagon: vertex 5 at the left") << 6.0 << 5 << QPointF(6750, 4800);
    // 2250 sin 30 = 1125, 2250 cos 30 = 1948.5571...
    QTest::newRow("hexagon: vertex 0 bottom left") << 6.0 << 0 << QPointF(7875, 4800 + 2250 * std::sqrt(3.0) / 2);
    QTest::newRow("hexagon: vertex 4 top left") << 6.0 << 4 << QPointF(7875, 4800 - 2250 * std::sqrt(3.0) / 2);
}

void TestStarPolygon::vertexPlaces()
{
    QFETCH(double, n);
    QFETCH(int, vertex);
    QFETCH(QPointF, place);
    const StarPolygon star(n, 1);
    QCOMPARE(star.vertexCount(), int(n));
    // The ten-decimal pi moves a vertex by less than a millionth of a twip
    // at this radius: far below a pixel.
    QVERIFY2(std::abs(star.vertex(vertex).x() - place.x()) < 1e-3 && std::abs(star.vertex(vertex).y() - place.y()) < 1e-3,
             qPrintable(QStringLiteral("vertex at %1, %2").arg(star.vertex(vertex).x(), 0, 'f', 6).arg(star.vertex(vertex).y(), 0, 'f', 6)));
}

void TestStarPolygon::oddFiguresPointUpEvenOnesHaveATopEdge_data()
{
    QTest::addColumn<int>("n");
    for (int n = 3; n <= 20; ++n)
        QTest::addRow("n = %d", n) << n;
}

void TestStarPolygon::oddFiguresPointUpEvenOnesHaveATopEdge()
{
    QFETCH(int, n);
    const StarPolygon star(n, 1);
    // Vertices 0 and 1 make the horizontal bottom edge, below the centre,
    // either side of the vertical through it.
    QVERIFY(std::abs(star.vertex(0).y() - star.vertex(1).y()) < Near);
    QVERIFY(star.vertex(0).y() > 4800);
    QVERIFY(std::abs((star.vertex(0).x() + star.vertex(1).x()) / 2 - 9000) < Near);
    QVERIFY(star.vertex(0).x() < star.vertex(1).x());
    if (n % 2 == 1) {
        QVERIFY(nearPoint(star.vertex((n + 1) / 2), QPointF(9000, 2550)));
    } else {
        const QPointF a = star.vertex(n / 2);
        const QPointF b = star.vertex(n / 2 + 1);
        QVERIFY(std::abs(a.y() - b.y()) < Near);
        QVERIFY(a.y() < 4800);
        QVERIFY(a.x() > b.x()); // right to left along the top
    }
}

void TestStarPolygon::everyVertexLiesOnTheCircleAnticlockwise()
{
    for (int n = 1; n <= 20; ++n) {
        const StarPolygon star(n, 1);
        QCOMPARE(star.vertexCount(), n);
        double previous = -10;
        for (int j = 0; j < n; ++j) {
            const QPointF d = star.vertex(j) - QPointF(9000, 4800);
            QVERIFY(std::abs(std::hypot(d.x(), d.y()) - 2250) < Near);
            // Seen on screen (y down), anticlockwise from just left of the
            // lowest point: the angle from straight down grows.
            const double angle = std::atan2(d.x(), d.y());
            const double unwrapped = angle < previous - 1e-9 ? angle + 2 * M_PI : angle;
            if (j > 0)
                QVERIFY2(unwrapped > previous, qPrintable(QStringLiteral("n=%1 j=%2").arg(n).arg(j)));
            previous = unwrapped;
        }
    }
}

void TestStarPolygon::piHasTenDecimals()
{
    // With pi cut after ten decimals the single vertex sits 2250 x 8.98e-11
    // = 2.02e-7 twips left of the vertical through the centre; true pi
    // would put it on that line.
    const StarPolygon star(1, 0);
    const double offset = 9000 - star.vertex(0).x();
    QVERIFY2(offset > 2.01e-7 && offset < 2.03e-7, qPrintable(QString::number(offset, 'g', 6)));
}

void TestStarPolygon::drawnVerticesAreSinglePrecision()
{
    for (int n = 1; n <= 20; ++n) {
        const StarPolygon star(n, 1);
        for (int j = 0; j < n; ++j) {
            const QPointF exact = star.vertex(j);
            const QPointF drawn = star.drawnVertex(j);
            QCOMPARE(drawn.x(), double(float(exact.x())));
            QCOMPARE(drawn.y(), double(float(exact.y())));
        }
    }
    // The ten-decimal offset is lost in single precision.
    QCOMPARE(StarPolygon(1, 0).drawnVertex(0), QPointF(9000, 2550));
}

void TestStarPolygon::segments_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("k");
    QTest::addColumn<Segments>("expected");

    QTest::newRow("{5/2} pentagram") << 5.0 << 2.0 << segmentList({{0, 2}, {1, 3}, {2, 4}, {3, 0}, {4, 1}});
    QTest::newRow("{6/2} two triangles, interleaved")
        << 6.0 << 2.0 << segmentList({{0, 2}, {1, 3}, {2, 4}, {3, 5}, {4, 0}, {5, 1}});
    QTest::newRow("{5/1} pentagon") << 5.0 << 1.0 << segmentList({{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 0}});
    QTest::newRow("k = 0: every segment stays put") << 5.0 << 0.0 << segmentList({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}});
    QTest::newRow("{2/1}: the diameter twice") << 2.0 << 1.0 << segmentList({{0, 1}, {1, 0}});
    QTest::newRow("{1/5}: one segment of no length") << 1.0 << 5.0 << segmentList({{0, 0}});
    QTest::newRow("{8/4}: four diameters, each twice")
        << 8.0 << 4.0 << segmentList({{0, 4}, {1, 5}, {2, 6}, {3, 7}, {4, 0}, {5, 1}, {6, 2}, {7, 3}});
    QTest::newRow("n = 0: no segment") << 0.0 << 3.0 << Segments();
    QTest::newRow("n = 0, step -1") << 0.0 << -1.0 << Segments();
    QTest::newRow("negative n") << -4.0 << 1.0 << Segments();
    // A negative step counts backwards round the circle.
    QTest::newRow("{5/-1}: pentagon traced backwards") << 5.0 << -1.0 << segmentList({{0, 4}, {1, 0}, {2, 1}, {3, 2}, {4, 3}});
    QTest::newRow("{6/-2}: backwards triangles")
        << 6.0 << -2.0 << segmentList({{0, 4}, {1, 5}, {2, 0}, {3, 1}, {4, 2}, {5, 3}});
    QTest::newRow("{5/-7}: backwards past a full turn") << 5.0 << -7.0 << segmentList({{0, 3}, {1, 4}, {2, 0}, {3, 1}, {4, 2}});
    QTest::newRow("{2/-1}") << 2.0 << -1.0 << segmentList({{0, 1}, {1, 0}});
    // k + i - 1 is rounded before the remainder, halves to the even
    // neighbour: 2.5 -> 2, 3.5 -> 4, 4.5 -> 4, 5.5 -> 6, 6.5 -> 6.
    QTest::newRow("{5/2.5}: halves to even") << 5.0 << 2.5 << segmentList({{0, 2}, {1, 4}, {2, 4}, {3, 1}, {4, 1}});
    QTest::newRow("{5/1.5}: halves to even") << 5.0 << 1.5 << segmentList({{0, 2}, {1, 2}, {2, 4}, {3, 4}, {4, 1}});
    // 3.5 edges: three vertices are placed but the remainder is taken by 4;
    // the end that would be vertex 3 does not exist.
    QTest::newRow("{3.5/1}: missing end left out") << 3.5 << 1.0 << segmentList({{0, 1}, {1, 2}});
}

void TestStarPolygon::segments()
{
    QFETCH(double, n);
    QFETCH(double, k);
    QFETCH(Segments, expected);
    QCOMPARE(StarPolygon(n, k).segments(), expected);
}

void TestStarPolygon::sameFigures_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("k");
    QTest::addColumn<double>("otherK");
    QTest::addColumn<bool>("sameOrder");

    QTest::newRow("{7/2} and {7/9}") << 7.0 << 2.0 << 9.0 << true;
    QTest::newRow("{8/3} and {8/11}") << 8.0 << 3.0 << 11.0 << true;
    QTest::newRow("{20/7} and {20/27}") << 20.0 << 7.0 << 27.0 << true;
    QTest::newRow("{7/2} and {7/5}") << 7.0 << 2.0 << 5.0 << false;
    QTest::newRow("{9/3} and {9/6}") << 9.0 << 3.0 << 6.0 << false;
    QTest::newRow("{20/7} and {20/13}") << 20.0 << 7.0 << 13.0 << false;
    QTest::newRow("{5/-1} and {5/1}") << 5.0 << -1.0 << 1.0 << false;
    QTest::newRow("{9/-3} and {9/6}") << 9.0 << -3.0 << 6.0 << true;
}

void TestStarPolygon::sameFigures()
{
    QFETCH(double, n);
    QFETCH(double, k);
    QFETCH(double, otherK);
    QFETCH(bool, sameOrder);
    const Segments a = StarPolygon(n, k).segments();
    const Segments b = StarPolygon(n, otherK).segments();
    QCOMPARE(a.size(), int(n));
    if (sameOrder)
        QCOMPARE(a, b);
    else
        QCOMPARE(undirected(a), undirected(b));
}

void TestStarPolygon::roundingMod_data()
{
    QTest::addColumn<double>("dividend");
    QTest::addColumn<double>("divisor");
    QTest::addColumn<long long>("remainder");

    QTest::newRow("7 mod 5") << 7.0 << 5.0 << 2LL;
    QTest::newRow("-7 mod 5: sign of the dividend") << -7.0 << 5.0 << -2LL;
    QTest::newRow("7 mod -5") << 7.0 << -5.0 << 2LL;
    QTest::newRow("2.5 rounds to 2") << 2.5 << 10.0 << 2LL;
    QTest::newRow("3.5 rounds to 4") << 3.5 << 10.0 << 4LL;
    QTest::newRow("-2.5 rounds to -2") << -2.5 << 10.0 << -2LL;
    QTest::newRow("divisor 2.5 rounds to 2") << 7.0 << 2.5 << 1LL;
    QTest::newRow("divisor 4.5 rounds to 4") << 7.0 << 4.5 << 3LL;
    QTest::newRow("divisor rounding to 0") << 7.0 << 0.4 << 0LL;
    QTest::newRow("exact multiple") << 10.0 << 5.0 << 0LL;
    QTest::newRow("infinite dividend") << qInf() << 5.0 << 0LL;
}

void TestStarPolygon::roundingMod()
{
    QFETCH(double, dividend);
    QFETCH(double, divisor);
    QFETCH(long long, remainder);
    QCOMPARE(::roundingMod(dividend, divisor), remainder);
}

void TestStarPolygon::neverLeavesTheVertexTables()
{
    // Every pair a pupil could reach, and odder ones: each end of each
    // segment is a vertex that was placed, and no more than 21 are placed.
    for (double n = -3; n <= 25; n += 0.5) {
        for (double k = -45; k <= 45; k += 0.5) {
            const StarPolygon star(n, k);
            QVERIFY(star.vertexCount() <= StarPolygon::MaxVertices);
            for (const StarPolygon::Segment &s : star.segments()) {
                QVERIFY2(s.from >= 0 && s.from < star.vertexCount() && s.to >= 0 && s.to < star.vertexCount(),
                         qPrintable(QStringLiteral("{%1/%2}: %3 to %4").arg(n).arg(k).arg(s.from).arg(s.to)));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestStarPolygon)
#include "tst_starpolygon.moc"
