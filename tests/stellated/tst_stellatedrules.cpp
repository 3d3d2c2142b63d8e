// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The stellated topic without widgets: the star's geometry, the explorer's
// number boxes and the problems page's questions.
#include "common/keycodes.h"
#include "common/programvalues.h"
#include "stellated/explorerrules.h"
#include "stellated/starpolygon.h"
#include "stellated/starquestions.h"
#include "support/scriptedrandom.h"

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
    void vertexPlaces()
    {
        // 2250 sin 30 = 1125 and 2250 cos 30 = 1948.557... off the centre.
        for (const auto &[n, vertex, place] : {std::tuple{1, 0, QPointF(9000, 2550)},
                                               {2, 1, QPointF(11250, 4800)},
                                               {5, 3, QPointF(9000, 2550)},
                                               {6, 0, QPointF(7875, 4800 + 2250 * std::sqrt(3.0) / 2)}}) {
            const StarPolygon star(n, 1);
            QCOMPARE(star.vertexCount(), n);
            // The ten-decimal pi moves a vertex by less than a millionth of a twip.
            const QPointF at = star.vertex(vertex);
            QVERIFY2(QLineF(at, place).length() < 1e-3,
                     qPrintable(QStringLiteral("{%1}, vertex %2").arg(n).arg(vertex)));
            // Drawing takes it in single precision.
            const QPointF drawn = star.drawnVertex(vertex);
            QCOMPARE(std::pair(drawn.x(), drawn.y()), std::pair(double(float(at.x())), double(float(at.y()))));
        }
        // Pi cut after ten decimals puts the single vertex 2250 x 8.98e-11 =
        // 2.02e-7 twips left of the centre's vertical; single precision loses it.
        const StarPolygon one(1, 0);
        const double offset = 9000 - one.vertex(0).x();
        QVERIFY2(offset > 2.01e-7 && offset < 2.03e-7, qPrintable(QString::number(offset, 'g', 6)));
        QCOMPARE(one.drawnVertex(0), QPointF(9000, 2550));
    }

    void segments()
    {
        const std::tuple<double, double, QString> rows[] = {
            {5, 2, "0-2 1-3 2-4 3-0 4-1"},             // pentagram
            {5, 7, "0-2 1-3 2-4 3-0 4-1"},             // the same past a full turn
            {6, 2, "0-2 1-3 2-4 3-5 4-0 5-1"},         // two triangles, interleaved
            {5, 0, "0-0 1-1 2-2 3-3 4-4"},             // every segment stays put
            {1, 5, "0-0"},                             // one segment of no length
            {8, 4, "0-4 1-5 2-6 3-7 4-0 5-1 6-2 7-3"}, // four diameters, each twice
            {0, 3, ""},
            // A negative step counts backwards round the circle, also past a full turn.
            {5, -1, "0-4 1-0 2-1 3-2 4-3"},
            {5, -7, "0-3 1-4 2-0 3-1 4-2"},
            // k + i - 1 is rounded before the remainder, halves to the even
            // neighbour: 2.5 -> 2, 3.5 -> 4, 4.5 -> 4, 5.5 -> 6, 6.5 -> 6.
            {5, 2.5, "0-2 1-4 2-4 3-1 4-1"},
            // 3.5 edges: three vertices are placed but the remainder is taken by 4;
            // the end that would be vertex 3 does not exist.
            {3.5, 1, "0-1 1-2"},
        };
        for (const auto &[n, k, expected] : rows) {
            const QString star = QStringLiteral("{%1/%2}: ").arg(n).arg(k);
            QCOMPARE(star + joined(StarPolygon(n, k).segments()), star + expected);
        }
    }

    void roundingMod()
    {
        // The remainder takes the dividend's sign; both sides round halves to even;
        // no divisor and no finite dividend give 0.
        for (const auto &[dividend, divisor, remainder] : {std::tuple{-7.0, 5.0, -2LL},
                                                           {7.0, -5.0, 2LL},
                                                           {3.5, 10.0, 4LL},
                                                           {7.0, 4.5, 3LL},
                                                           {7.0, 0.4, 0LL},
                                                           {qInf(), 5.0, 0LL}})
            QCOMPARE(std::tuple(dividend, divisor, ::roundingMod(dividend, divisor)),
                     std::tuple(dividend, divisor, remainder));
    }

    void neverLeavesTheVertexTable()
    {
        // Every pair a pupil could reach, and odder ones: each end of each
        // segment is a vertex that was placed, and no more than 21 are placed.
        for (double n = -3; n <= 25; n += 0.5) {
            for (double k = -45; k <= 45; k += 0.5) {
                const StarPolygon star(n, k);
                const int count = star.vertexCount();
                QVERIFY(count <= StarPolygon::MaxVertices);
                for (const StarPolygon::Segment &s : star.segments())
                    QVERIFY2(s.from >= 0 && s.from < count && s.to >= 0 && s.to < count,
                             qPrintable(QStringLiteral("{%1/%2}").arg(n).arg(k)));
            }
        }
    }

    void explorerKeyFilter()
    {
        for (int code : {int('0'), int('5'), int('9'), KeyCode::Backspace, KeyCode::Enter})
            QVERIFY2(ExplorerRules::keyPasses(code), qPrintable(QString::number(code)));
        // Around the digits, other editing keys, and digits of other scripts.
        for (int code : {int('/'), int(':'), int('a'), int(' '), int('-'), int('.'), KeyCode::Escape, 0xB0, 0x0663})
            QVERIFY2(!ExplorerRules::keyPasses(code), qPrintable(QString::number(code)));
    }

    void explorerStartingPair()
    {
        // Two draws, no re-seed: the lowest draws give a step of 1, which becomes
        // 2; 6 and 3 is half, so one less is written.
        for (const auto &[r, rPrime, boxes] :
             {std::tuple{0.0, 0.0, "5|2"}, {0.1, 0.99, "5|3"}, {0.15, 0.7, "6| 2"}, {0.99999994, 0.99999994, "11|6"}}) {
            ScriptedRandom random({r, rPrime, 0.5});
            QCOMPARE(shown(ExplorerRules::startingPair(random)), QString::fromLatin1(boxes));
            QCOMPARE(std::pair(random.draws(), random.reseeds()), std::pair(2, 0));
        }
    }

    void explorerAfterEnter()
    {
        // In order: both numbers capped at 20, a step of n or more halved down,
        // then a step of n / 2 made one less; each reads the boxes afresh, by
        // the leading-number rule, and keeps the text when it passes.
        const std::pair<QString, QString> rows[] = {
            {"25|3", "20|3"},
            {"8|4", "8| 3"},
            {"7|7", "7|3"},
            {"7|5", "7|5"},
            {"99|99", "20| 9"},
            {"2|1", "2| 0"},
            {"0|3", "0|-1"},
            {"0|-1", "0|-1"},
            {"ab|3", "ab|-1"},
            {"-8|-4", "-8|-5"},
            {"-5|3", "-5|-3"},
        };
        for (const auto &[before, after] : rows) {
            const StarBoxes boxes{before.section(u'|', 0, 0), before.section(u'|', 1)};
            QCOMPARE(before + u'>' + shown(ExplorerRules::afterEnter(boxes)), before + u'>' + after);
        }
    }

    void questions()
    {
        const QString edges = QStringLiteral("How many edges does the stellated polygon in the animation have?");
        const std::tuple<QString, FrameSequence, double> expected[] = {
            {edges, FrameSequences::StellatedOctagon, 8},
            {edges, FrameSequences::StellatedNonagon, 9},
            {edges, FrameSequences::Pentagram, 5},
            {QStringLiteral("In degrees, what is the smallest angle through which a pentagram can be rotated, so that "
                            "it looks the same "
                            "after rotation as it did prior to rotation?"),
             FrameSequences::Pentagram,
             72},
            {QStringLiteral("In degrees, what is the smallest angle through which a Star of David can be rotated, so "
                            "that it looks "
                            "unaltered after rotation to how it looked prior to rotation?"),
             FrameSequences::StellatedOctagon,
             60},
            {QStringLiteral("A regular stellated octagon is symmetrical under rotations around its centre through "
                            "certain angles. In "
                            "other words, after performing these rotations the stellated octagon looks unaltered. In "
                            "degrees, what is "
                            "the smallest of these angles?"),
             FrameSequences::StellatedOctagon,
             45},
            {QStringLiteral("A regular stellated dodecagon is symmetrical under rotations around its centre through "
                            "certain angles. "
                            "Each of these angles is a multiple of the smallest. In degrees, what is the smallest "
                            "angle through which "
                            "a regular stellated dodecagon can be rotated if it is to appear unaltered?"),
             FrameSequences::StellatedOctagon,
             30},
            {QStringLiteral("The stellated nonagon in the animation is a compound polygon. How many component polygons "
                            "does it have?"),
             FrameSequences::StellatedNonagon,
             3},
        };
        // Each type from a value in its middle, with another type drawn last;
        // then the extremes: 0.375 - 1e-10 is 2.99... times 8 in double precision
        // but 0.375 in single precision, a value that rounds to 1 there keeps to
        // the last type, and a repeat of 7 wraps to 0.
        QList<std::tuple<double, int, int>> draws{{0.375 - 1e-10, 0, 3}, {0.99999999, 0, 7}, {0.9, 7, 0}};
        for (int t = 0; t < 8; ++t)
            draws.append({(t + 0.5) / 8, (t + 4) % 8, t});
        for (const auto &[r, last, type] : draws) {
            ScriptedRandom random({r});
            ProgramValues values;
            values.lastquestion = last;
            const Question q = StarQuestions().draw(random, values);
            const auto &[text, animation, answer] = expected[type];
            QCOMPARE(q.text, text);
            QCOMPARE(std::tuple(r, q.type, q.answer, values.lastquestion.value_or(-1)),
                     std::tuple(r, type, answer, type));
            QCOMPARE(q.animation, std::optional<FrameSequence>(animation));
            QCOMPARE(std::pair(random.reseeds(), random.draws()), std::pair(1, 1));
        }
    }
};

QTEST_GUILESS_MAIN(TestStellatedRules)
#include "tst_stellatedrules.moc"
