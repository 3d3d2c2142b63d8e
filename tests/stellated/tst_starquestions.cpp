// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/programvalues.h"
#include "common/randomsource.h"
#include "stellated/starquestions.h"

#include <QSet>
#include <QTest>

namespace {

const QString Edges = QStringLiteral("How many edges does the stellated polygon in the animation have?");

} // namespace

class TestStarQuestions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void eachType_data();
    void eachType();
    void edgesTypesShareOneText();
    void noRepeat_data();
    void noRepeat();
    void successorTakesTheRepeatsShare_data();
    void successorTakesTheRepeatsShare();
    void neverTheSameTypeTwice();
};

void TestStarQuestions::eachType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<int>("frames");
    QTest::addColumn<double>("answer");

    const QString octagon = QStringLiteral("ocstarsm\\ocstar");
    const QString nonagon = QStringLiteral("stelnsm\\stel00");
    const QString pentagram = QStringLiteral("pentglsm\\pent00");
    const QString jpg = QStringLiteral(".jpg");
    const QString gif = QStringLiteral(".gif");

    QTest::newRow("0: edges of the octagram") << 0 << Edges << octagon << jpg << 30 << 8.0;
    QTest::newRow("1: edges of the nonagram") << 1 << Edges << nonagon << gif << 40 << 9.0;
    QTest::newRow("2: edges of the pentagram") << 2 << Edges << pentagram << gif << 20 << 5.0;
    QTest::newRow("3: pentagram rotation")
        << 3
        << QStringLiteral("In degrees, what is the smallest angle through which a pentagram can be rotated, so that it looks the same after rotation as it did prior to rotation?")
        << pentagram << gif << 20 << 72.0;
    QTest::newRow("4: Star of David rotation")
        << 4
        << QStringLiteral("In degrees, what is the smallest angle through which a Star of David can be rotated, so that it looks unaltered after rotation to how it looked prior to rotation?")
        << octagon << jpg << 30 << 60.0;
    QTest::newRow("5: octagon rotation")
        << 5
        << QStringLiteral("A regular stellated octagon is symmetrical under rotations around its centre through certain angles. In other words, after performing these rotations the stellated octagon looks unaltered. In degrees, what is the smallest of these angles?")
        << octagon << jpg << 30 << 45.0;
    QTest::newRow("6: dodecagon rotation")
        << 6
        << QStringLiteral("A regular stellated dodecagon is symmetrical under rotations around its centre through certain angles. Each of these angles is a multiple of the smallest. In degrees, what is the smallest angle through which a regular stellated dodecagon can be rotated if it is to appear unaltered?")
        << octagon << jpg << 30 << 30.0;
    QTest::newRow("7: nonagram components")
        << 7 << QStringLiteral("The stellated nonagon in the animation is a compound polygon. How many component polygons does it have?")
        << nonagon << gif << 40 << 3.0;
}

void TestStarQuestions::eachType()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QString, base);
    QFETCH(QString, extension);
    QFETCH(int, frames);
    QFETCH(double, answer);

    // Drawn the way the page draws it: a value that lands on the type, with
    // another type drawn last.
    ScriptedRandom random({(type + 0.5) / 8});
    ProgramValues values;
    values.lastquestion = (type + 4) % 8;
    const Question q = StarQuestions().draw(random, values);

    QCOMPARE(q.type, type);
    QCOMPARE(q.text, text);
    QCOMPARE(q.answer, answer);
    QVERIFY(q.animation.has_value());
    QCOMPARE(q.animation->base, base);
    QCOMPARE(q.animation->extension, extension);
    QCOMPARE(q.animation->count, frames);
    QCOMPARE(q.animation->fileName(0), base + QStringLiteral("00") + extension);
    QCOMPARE(values.lastquestion, std::optional<int>(type));
    QCOMPARE(random.reseeds(), 1);
    QCOMPARE(random.draws(), 1);
}

void TestStarQuestions::edgesTypesShareOneText()
{
    const auto texts = StarQuestions::questions();
    QCOMPARE(texts[0], Edges);
    QCOMPARE(texts[1], Edges);
    QCOMPARE(texts[2], Edges);
    const QSet<QString> distinct(texts.begin(), texts.end());
    QCOMPARE(distinct.size(), 6);
    // Same text, three different answers.
    QCOMPARE(StarQuestions::question(0).answer, 8.0);
    QCOMPARE(StarQuestions::question(1).answer, 9.0);
    QCOMPARE(StarQuestions::question(2).answer, 5.0);
}

void TestStarQuestions::noRepeat_data()
{
    QTest::addColumn<int>("last"); // -1: nothing drawn yet
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("type");

    QTest::newRow("first draw of 0 counts as a repeat") << -1 << 0.0 << 1;
    QTest::newRow("first draw of 3") << -1 << 0.4 << 3;
    QTest::newRow("repeat of 3 gives 4") << 3 << 0.4 << 4;
    QTest::newRow("repeat of 7 wraps to 0") << 7 << 0.9 << 0;
    QTest::newRow("7 after 2") << 2 << 0.9 << 7;
    QTest::newRow("0 after 5") << 5 << 0.1 << 0;
    QTest::newRow("lowest value of 5 after 4") << 4 << 0.625 << 5;
    // 0.375 - 1e-10 is 2.99... times 8 in double precision, but rounds to
    // 0.375 in single precision: type 3.
    QTest::newRow("single precision rounds up a type") << 0 << 0.375 - 1e-10 << 3;
    // A value that rounds to 1 in single precision keeps to the last type.
    QTest::newRow("just below one") << 0 << 0.99999999 << 7;
    QTest::newRow("just below one after 7") << 7 << 0.99999999 << 0;
    // The triangle page shares the last type: its 6 makes this 6 a repeat.
    QTest::newRow("last type from the other page") << 6 << 0.8 << 7;
}

void TestStarQuestions::noRepeat()
{
    QFETCH(int, last);
    QFETCH(double, r);
    QFETCH(int, type);
    ScriptedRandom random({r});
    ProgramValues values;
    if (last >= 0)
        values.lastquestion = last;
    QCOMPARE(StarQuestions().draw(random, values).type, type);
    QCOMPARE(values.lastQuestionOrZero(), type);
}

void TestStarQuestions::successorTakesTheRepeatsShare_data()
{
    QTest::addColumn<int>("last");
    for (int last = 0; last < 8; ++last)
        QTest::addRow("after %d", last) << last;
}

void TestStarQuestions::successorTakesTheRepeatsShare()
{
    // Over evenly spread draws the type after `last` comes a quarter of the
    // time, `last` never, every other type an eighth.
    QFETCH(int, last);
    constexpr int Draws = 64;
    QList<int> counts(8, 0);
    for (int i = 0; i < Draws; ++i) {
        ScriptedRandom random({(i + 0.5) / Draws});
        ProgramValues values;
        values.lastquestion = last;
        ++counts[StarQuestions().draw(random, values).type];
    }
    for (int t = 0; t < 8; ++t) {
        const int expected = t == last ? 0 : t == (last + 1) % 8 ? Draws / 4 : Draws / 8;
        QCOMPARE(counts[t], expected);
    }
}

void TestStarQuestions::neverTheSameTypeTwice()
{
    // A run of draws through the program's own generator, with the clock
    // moving on between problems.
    double seconds = 36000;
    ClockSeededRandom random([&seconds] { return seconds += 1.37; });
    ProgramValues values;
    StarQuestions set;
    int previous = -1;
    for (int i = 0; i < 500; ++i) {
        const int type = set.draw(random, values).type;
        QVERIFY(type >= 0 && type < 8);
        QVERIFY(type != previous);
        previous = type;
    }
}

QTEST_GUILESS_MAIN(TestStarQuestions)
#include "tst_starquestions.moc"
