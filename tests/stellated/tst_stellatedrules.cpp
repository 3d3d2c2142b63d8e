// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The stellated topic without widgets: the star's geometry, the explorer's
// number boxes and the problems page's questions.
#include "common/programvalues.h"
#include "common/randomsource.h"
#include "stellated/explorerrules.h"
#include "stellated/starpolygon.h"
#include "stellated/starquestions.h"

#include <QTest>
#include <cmath>

namespace {

// "0-2 1-3": each segment's ends, in order.
QString joined(const QList<StarPolygon::Segment> &segments)
{
    QStringList ends;
    for (const StarPolygon::Segment &s : segments)
        ends.append(QStringLiteral("%1-%2").arg(s.from).arg(s.to));
    return ends.join(u' ');
}

// "edges|step", blanks kept: "8| 3".
QString shown(const StarBoxes &boxes)
{
    return boxes.edges + u'|' + boxes.step;
}

} // namespace

class TestStellatedRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void vertexPlaces_data();
    void vertexPlaces();
    void tenDecimalPi();
    void segments_data();
    void segments();
    void roundingMod_data();
    void roundingMod();
    void neverLeavesTheVertexTable();
    void explorerKeyFilter();
    void explorerStartingPair_data();
    void explorerStartingPair();
    void explorerAfterEnter_data();
    void explorerAfterEnter();
    void question_data();
    void question();
};

void TestStellatedRules::vertexPlaces_data()
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

void TestStellatedRules::vertexPlaces()
{
    QFETCH(double, n);
    QFETCH(int, vertex);
    QFETCH(QPointF, place);
    const StarPolygon star(n, 1);
    QCOMPARE(star.vertexCount(), int(n));
    // The ten-decimal pi moves a vertex by less than a millionth of a twip.
    const QPointF at = star.vertex(vertex);
    QVERIFY2(std::abs(at.x() - place.x()) < 1e-3 && std::abs(at.y() - place.y()) < 1e-3,
             qPrintable(QStringLiteral("vertex at %1, %2").arg(at.x(), 0, 'f', 6).arg(at.y(), 0, 'f', 6)));
    // Drawing takes it in single precision.
    QCOMPARE(star.drawnVertex(vertex).x(), double(float(at.x())));
    QCOMPARE(star.drawnVertex(vertex).y(), double(float(at.y())));
}

void TestStellatedRules::tenDecimalPi()
{
    // Pi cut after ten decimals puts the single vertex 2250 x 8.98e-11 =
    // 2.02e-7 twips left of the centre's vertical; single precision loses it.
    const StarPolygon one(1, 0);
    const double offset = 9000 - one.vertex(0).x();
    QVERIFY2(offset > 2.01e-7 && offset < 2.03e-7, qPrintable(QString::number(offset, 'g', 6)));
    QCOMPARE(one.drawnVertex(0), QPointF(9000, 2550));
}

void TestStellatedRules::segments_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("k");
    QTest::addColumn<QString>("expected");

    QTest::newRow("{5/2} pentagram") << 5.0 << 2.0 << "0-2 1-3 2-4 3-0 4-1";
    QTest::newRow("{5/7}: the same past a full turn") << 5.0 << 7.0 << "0-2 1-3 2-4 3-0 4-1";
    QTest::newRow("{6/2} two triangles, interleaved") << 6.0 << 2.0 << "0-2 1-3 2-4 3-5 4-0 5-1";
    QTest::newRow("{5/1} pentagon") << 5.0 << 1.0 << "0-1 1-2 2-3 3-4 4-0";
    QTest::newRow("k = 0: every segment stays put") << 5.0 << 0.0 << "0-0 1-1 2-2 3-3 4-4";
    QTest::newRow("{2/1}: the diameter twice") << 2.0 << 1.0 << "0-1 1-0";
    QTest::newRow("{1/5}: one segment of no length") << 1.0 << 5.0 << "0-0";
    QTest::newRow("{8/4}: four diameters, each twice") << 8.0 << 4.0 << "0-4 1-5 2-6 3-7 4-0 5-1 6-2 7-3";
    QTest::newRow("n = 0: no segment") << 0.0 << 3.0 << "";
    QTest::newRow("n = 0, step -1") << 0.0 << -1.0 << "";
    QTest::newRow("negative n") << -4.0 << 1.0 << "";
    // A negative step counts backwards round the circle.
    QTest::newRow("{5/-1}: pentagon traced backwards") << 5.0 << -1.0 << "0-4 1-0 2-1 3-2 4-3";
    QTest::newRow("{5/-7}: backwards past a full turn") << 5.0 << -7.0 << "0-3 1-4 2-0 3-1 4-2";
    QTest::newRow("{2/-1}") << 2.0 << -1.0 << "0-1 1-0";
    // k + i - 1 is rounded before the remainder, halves to the even
    // neighbour: 2.5 -> 2, 3.5 -> 4, 4.5 -> 4, 5.5 -> 6, 6.5 -> 6.
    QTest::newRow("{5/2.5}: halves to even") << 5.0 << 2.5 << "0-2 1-4 2-4 3-1 4-1";
    QTest::newRow("{5/1.5}: halves to even") << 5.0 << 1.5 << "0-2 1-2 2-4 3-4 4-1";
    // 3.5 edges: three vertices are placed but the remainder is taken by 4;
    // the end that would be vertex 3 does not exist.
    QTest::newRow("{3.5/1}: missing end left out") << 3.5 << 1.0 << "0-1 1-2";
}

void TestStellatedRules::segments()
{
    QFETCH(double, n);
    QFETCH(double, k);
    QFETCH(QString, expected);
    QCOMPARE(joined(StarPolygon(n, k).segments()), expected);
}

void TestStellatedRules::roundingMod_data()
{
    QTest::addColumn<double>("dividend");
    QTest::addColumn<double>("divisor");
    QTest::addColumn<long long>("remainder");

    QTest::newRow("-7 mod 5: sign of the dividend") << -7.0 << 5.0 << -2LL;
    QTest::newRow("7 mod -5") << 7.0 << -5.0 << 2LL;
    QTest::newRow("3.5 rounds to 4") << 3.5 << 10.0 << 4LL;
    QTest::newRow("divisor 4.5 rounds to 4") << 7.0 << 4.5 << 3LL;
    QTest::newRow("divisor rounding to 0") << 7.0 << 0.4 << 0LL;
    QTest::newRow("infinite dividend") << qInf() << 5.0 << 0LL;
}

void TestStellatedRules::roundingMod()
{
    QFETCH(double, dividend);
    QFETCH(double, divisor);
    QFETCH(long long, remainder);
    QCOMPARE(::roundingMod(dividend, divisor), remainder);
}

void TestStellatedRules::neverLeavesTheVertexTable()
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

void TestStellatedRules::explorerKeyFilter()
{
    for (int code : {int('0'), int('5'), int('9'), 8, 13})
        QVERIFY2(ExplorerRules::keyPasses(code), qPrintable(QString::number(code)));
    // Around the digits, other editing keys, and digits of other scripts.
    for (int code : {int('/'), int(':'), int('a'), int('E'), int(' '), int('-'), int('.'), 27, 22, 0xB0, 0x0663})
        QVERIFY2(!ExplorerRules::keyPasses(code), qPrintable(QString::number(code)));
}

void TestStellatedRules::explorerStartingPair_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("rPrime");
    QTest::addColumn<QString>("boxes");

    QTest::newRow("lowest draws: a step of 1 becomes 2") << 0.0 << 0.0 << "5|2";
    QTest::newRow("pentagon, highest step") << 0.1 << 0.99 << "5|3";
    QTest::newRow("hexagon, step 3 is half of 6") << 0.15 << 0.7 << "6| 2";
    QTest::newRow("octagon, step 4 is half of 8") << 0.45 << 0.99 << "8| 3";
    QTest::newRow("nonagon, step 5 is more than half") << 0.6 << 0.99 << "9|5";
    QTest::newRow("decagon, step 5 is half of 10") << 0.75 << 0.99 << "10| 4";
    QTest::newRow("hendecagon, highest draws") << 0.99 << 0.99 << "11|6";
    QTest::newRow("draws just below 1") << 0.99999994 << 0.99999994 << "11|6";
}

void TestStellatedRules::explorerStartingPair()
{
    QFETCH(double, r);
    QFETCH(double, rPrime);
    QFETCH(QString, boxes);
    ScriptedRandom random({r, rPrime, 0.5});
    QCOMPARE(shown(ExplorerRules::startingPair(random)), boxes);
    QCOMPARE(random.draws(), 2);
    QCOMPARE(random.reseeds(), 0);
}

void TestStellatedRules::explorerAfterEnter_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    // In order: both numbers capped at 20, a step of n or more halved down,
    // then a step of n / 2 made one less; each reads the boxes afresh.
    QTest::newRow("edges capped") << "25|3" << "20|3";
    QTest::newRow("half of n") << "8|4" << "8| 3";
    QTest::newRow("halved, then one less") << "8|9" << "8| 3";
    QTest::newRow("halved down: 3.5 is not 3") << "7|7" << "7|3";
    QTest::newRow("nothing rewritten") << "7|5" << "7|5";
    QTest::newRow("both capped, halved, one less") << "99|99" << "20| 9";
    QTest::newRow("2 and 1: blank-led 0") << "2|1" << "2| 0";
    QTest::newRow("1 and 5") << "1|5" << "1|0";
    // No edges: the step halves to 0, which is n / 2.
    QTest::newRow("0 and a step") << "0|3" << "0|-1";
    QTest::newRow("empty edges") << "|4" << "|-1";
    QTest::newRow("0 and -1 stays") << "0|-1" << "0|-1";
    QTest::newRow("5 and -1 kept") << "5|-1" << "5|-1";
    QTest::newRow("empty step is 0") << "5|" << "5|";
    // Pasted text is read by the leading-number rule, and kept when it passes.
    QTest::newRow("letters read as 0") << "ab|3" << "ab|-1";
    QTest::newRow("negative edges") << "-8|-4" << "-8|-5";
    QTest::newRow("negative odd edges") << "-5|3" << "-5|-3";
}

void TestStellatedRules::explorerAfterEnter()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QCOMPARE(shown(ExplorerRules::afterEnter({before.section(u'|', 0, 0), before.section(u'|', 1)})), after);
}

void TestStellatedRules::question_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<FrameSequence>("animation");
    QTest::addColumn<double>("answer");

    const QString edges = QStringLiteral("How many edges does the stellated polygon in the animation have?");
    const QString pentagram = QStringLiteral(
        "In degrees, what is the smallest angle through which a pentagram can be rotated, so that it looks the same after "
        "rotation as it did prior to rotation?");
    const QString nonagon = QStringLiteral(
        "The stellated nonagon in the animation is a compound polygon. How many component polygons does it have?");
    // Each type from a value in its middle, with another type drawn last.
    const auto type = [](const char *name, int t, const QString &text, const FrameSequence &animation, double answer) {
        QTest::newRow(name) << (t + 0.5) / 8 << (t + 4) % 8 << t << text << animation << answer;
    };
    type("0: edges of the octagram", 0, edges, FrameSequences::StellatedOctagon, 8);
    type("1: edges of the nonagram", 1, edges, FrameSequences::StellatedNonagon, 9);
    type("2: edges of the pentagram", 2, edges, FrameSequences::Pentagram, 5);
    type("3: pentagram rotation", 3, pentagram, FrameSequences::Pentagram, 72);
    type("4: Star of David rotation", 4,
         QStringLiteral("In degrees, what is the smallest angle through which a Star of David can be rotated, so that it looks "
                        "unaltered after rotation to how it looked prior to rotation?"),
         FrameSequences::StellatedOctagon, 60);
    type("5: octagon rotation", 5,
         QStringLiteral("A regular stellated octagon is symmetrical under rotations around its centre through certain angles. In "
                        "other words, after performing these rotations the stellated octagon looks unaltered. In degrees, what is "
                        "the smallest of these angles?"),
         FrameSequences::StellatedOctagon, 45);
    type("6: dodecagon rotation", 6,
         QStringLiteral("A regular stellated dodecagon is symmetrical under rotations around its centre through certain angles. "
                        "Each of these angles is a multiple of the smallest. In degrees, what is the smallest angle through which "
                        "a regular stellated dodecagon can be rotated if it is to appear unaltered?"),
         FrameSequences::StellatedOctagon, 30);
    type("7: nonagram components", 7, nonagon, FrameSequences::StellatedNonagon, 3);

    QTest::newRow("repeat of 7 wraps to 0") << 0.9 << 7 << 0 << edges << FrameSequences::StellatedOctagon << 8.0;
    // 0.375 - 1e-10 is 2.99... times 8 in double precision, but rounds to
    // 0.375 in single precision: type 3.
    QTest::newRow("single precision rounds up a type") << 0.375 - 1e-10 << 0 << 3 << pentagram << FrameSequences::Pentagram << 72.0;
    // A value that rounds to 1 in single precision keeps to the last type.
    QTest::newRow("just below one") << 0.99999999 << 0 << 7 << nonagon << FrameSequences::StellatedNonagon << 3.0;
    QTest::newRow("just below one after 7") << 0.99999999 << 7 << 0 << edges << FrameSequences::StellatedOctagon << 8.0;
}

void TestStellatedRules::question()
{
    QFETCH(double, r);
    QFETCH(int, last);
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(FrameSequence, animation);
    QFETCH(double, answer);

    ScriptedRandom random({r});
    ProgramValues values;
    values.lastquestion = last;
    const Question q = StarQuestions().draw(random, values);
    QCOMPARE(q.type, type);
    QCOMPARE(q.text, text);
    QCOMPARE(q.answer, answer);
    QCOMPARE(q.animation, std::optional<FrameSequence>(animation));
    QCOMPARE(values.lastquestion, std::optional<int>(type));
    QCOMPARE(random.reseeds(), 1);
    QCOMPARE(random.draws(), 1);
}

QTEST_GUILESS_MAIN(TestStellatedRules)
#include "tst_stellatedrules.moc"
