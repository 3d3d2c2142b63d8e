// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/programvalues.h"
#include "common/randomsource.h"
#include "triangle/trianglequestions.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// Scripted values that land in the middle of the wanted whole part.
double typeDraw(int t) { return (t + 0.5) / 8; }
double multiplierDraw(int a) { return (a + 0.5) / 9; }
double angleDraw(int b) { return (b + 0.5) / 90; }

// Records the order in which the generator uses its random source.
class RecordingRandom : public RandomSource
{
public:
    double next() override
    {
        log.append(QStringLiteral("next"));
        return 0.5;
    }
    void reseedFromClock() override { log.append(QStringLiteral("reseed")); }
    QStringList log;
};

QList<int> numbersIn(const QString &text)
{
    QList<int> numbers;
    static const QRegularExpression number(QStringLiteral("\\d+"));
    for (auto it = number.globalMatch(text); it.hasNext();)
        numbers.append(it.next().captured().toInt());
    return numbers;
}

} // namespace

class TestTriangleQuestions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void captionAndAnswer_data();
    void captionAndAnswer();
    void reseedsThenDrawsThreeValuesWhateverTheType_data();
    void reseedsThenDrawsThreeValuesWhateverTheType();
    void neverRepeatsTheTypeDrawnLast_data();
    void neverRepeatsTheTypeDrawnLast();
    void firstQuestionIsNeverTypeZero();
    void everyDrawLeavesAPossibleTriangle();
    void successorTakesAQuarterOfTheDraws();
    void lastQuestionIsSharedWithTheOtherPage_data();
    void lastQuestionIsSharedWithTheOtherPage();
};

void TestTriangleQuestions::captionAndAnswer_data()
{
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("answer");

    const QString sum = QStringLiteral("In degrees, what is the sum of the angles of ");
    QTest::newRow("0: right-angled sum") << QList<double>{typeDraw(0), 0.3, 0.3} << 0
                                         << sum + QStringLiteral("a right-angled triangle?") << 180.0;
    QTest::newRow("1: isosceles sum") << QList<double>{typeDraw(1), 0.3, 0.3} << 1 << sum + QStringLiteral("an isosceles triangle?")
                                      << 180.0;
    QTest::newRow("2: apex 120") << QList<double>{typeDraw(2), multiplierDraw(3), 0.3} << 2
                                 << QStringLiteral("If one of the angles of an isosceles triangle is 120°, what is the size of each "
                                                   "of the other two angles in degrees?")
                                 << 30.0;
    QTest::newRow("2: apex 90") << QList<double>{typeDraw(2), 0.0, 0.0} << 2
                                << QStringLiteral("If one of the angles of an isosceles triangle is 90°, what is the size of each "
                                                  "of the other two angles in degrees?")
                                << 45.0;
    QTest::newRow("2: apex 170") << QList<double>{typeDraw(2), multiplierDraw(8), angleDraw(89)} << 2
                                 << QStringLiteral("If one of the angles of an isosceles triangle is 170°, what is the size of each "
                                                   "of the other two angles in degrees?")
                                 << 5.0;
    QTest::newRow("3: right-angled isosceles") << QList<double>{typeDraw(3), 0.3, 0.3} << 3
                                               << QStringLiteral("In degrees, what is the size of each of the smaller angles of a "
                                                                 "right-angled isosceles triangle?")
                                               << 45.0;
    QTest::newRow("5: equilateral") << QList<double>{typeDraw(5), 0.3, 0.3} << 5
                                    << QStringLiteral("In degrees, what is the size of each angle of an equilateral triangle?") << 60.0;

    const auto third = [](int p, int q) {
        return QStringLiteral("If a triangle has angles of %1° and %2°, what is the size of the other angle in degrees?").arg(p).arg(q);
    };
    QTest::newRow("4: 30 and 45") << QList<double>{typeDraw(4), multiplierDraw(3), angleDraw(45)} << 4 << third(30, 45) << 105.0;
    QTest::newRow("4: zero draws become 10 and 1") << QList<double>{typeDraw(4), 0.0, 0.0} << 4 << third(10, 1) << 169.0;
    QTest::newRow("6: zero draws become 10 and 1") << QList<double>{typeDraw(6), multiplierDraw(0), angleDraw(0)} << 6
                                                   << third(10, 1) << 169.0;
    QTest::newRow("4: largest draws") << QList<double>{typeDraw(4), multiplierDraw(8), angleDraw(89)} << 4 << third(80, 89) << 11.0;
    QTest::newRow("7: draws just below 1") << QList<double>{0.99999994, 0.99999994, 0.99999994} << 7 << third(80, 89) << 11.0;
    QTest::newRow("7: a = 1 keeps 10") << QList<double>{typeDraw(7), multiplierDraw(1), angleDraw(1)} << 7 << third(10, 1) << 169.0;
}

void TestTriangleQuestions::captionAndAnswer()
{
    QFETCH(QList<double>, draws);
    QFETCH(int, type);
    QFETCH(QString, caption);
    QFETCH(double, answer);

    ScriptedRandom random(draws);
    ProgramValues values;
    values.lastquestion = (type + 4) % 8; // out of the way of the draw
    const Question q = TriangleQuestions().draw(random, values);
    QCOMPARE(q.type, type);
    QCOMPARE(q.text, caption);
    QCOMPARE(q.answer, answer);
    QCOMPARE(values.lastquestion, std::optional<int>(type));
    QVERIFY(!q.animation);
}

void TestTriangleQuestions::reseedsThenDrawsThreeValuesWhateverTheType_data()
{
    QTest::addColumn<int>("last");
    // The recording source always gives 0.5, a draw of type 4; the last
    // type decides what comes of it.
    QTest::newRow("type 4, uses both numbers") << 0;
    QTest::newRow("type 5, uses none") << 4;
}

void TestTriangleQuestions::reseedsThenDrawsThreeValuesWhateverTheType()
{
    QFETCH(int, last);
    RecordingRandom random;
    ProgramValues values;
    values.lastquestion = last;
    TriangleQuestions questions;
    questions.draw(random, values);
    questions.draw(random, values);
    const QStringList once{QStringLiteral("reseed"), QStringLiteral("next"), QStringLiteral("next"), QStringLiteral("next")};
    QCOMPARE(random.log, once + once);
}

void TestTriangleQuestions::neverRepeatsTheTypeDrawnLast_data()
{
    QTest::addColumn<std::optional<int>>("last");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("type");
    QTest::newRow("empty counts as 0") << std::optional<int>() << 0 << 1;
    QTest::newRow("empty lets 3 through") << std::optional<int>() << 3 << 3;
    QTest::newRow("repeat of 2 becomes 3") << std::optional<int>(2) << 2 << 3;
    QTest::newRow("repeat of 7 wraps to 0") << std::optional<int>(7) << 7 << 0;
    QTest::newRow("different type stays") << std::optional<int>(5) << 6 << 6;
    QTest::newRow("successor stays") << std::optional<int>(5) << 0 << 0;
}

void TestTriangleQuestions::neverRepeatsTheTypeDrawnLast()
{
    QFETCH(std::optional<int>, last);
    QFETCH(int, drawn);
    QFETCH(int, type);
    ScriptedRandom random({typeDraw(drawn), 0.5, 0.5});
    ProgramValues values;
    values.lastquestion = last;
    QCOMPARE(TriangleQuestions().draw(random, values).type, type);
    QCOMPARE(values.lastquestion, std::optional<int>(type));
}

void TestTriangleQuestions::firstQuestionIsNeverTypeZero()
{
    for (int k = 0; k < 64; ++k) {
        ScriptedRandom random({k / 64.0, 0.5, 0.5});
        ProgramValues fresh;
        QVERIFY2(TriangleQuestions().draw(random, fresh).type != 0, qPrintable(QString::number(k)));
    }
}

void TestTriangleQuestions::everyDrawLeavesAPossibleTriangle()
{
    // Every multiplier and angle with every type: the numbers in the text and
    // the answer always make up 180° with positive angles.
    TriangleQuestions questions;
    for (int t = 0; t < 8; ++t) {
        for (int a = 0; a < 9; ++a) {
            for (int b = 0; b < 90; ++b) {
                ScriptedRandom random({typeDraw(t), multiplierDraw(a), angleDraw(b)});
                ProgramValues values;
                values.lastquestion = (t + 1) % 8;
                const Question q = questions.draw(random, values);
                const QString where = QStringLiteral("t=%1 a=%2 b=%3: %4").arg(t).arg(a).arg(b).arg(q.text);
                QVERIFY2(q.answer > 0 && q.answer == std::floor(q.answer), qPrintable(where));
                QVERIFY2(!q.text.contains(QStringLiteral("  ")) && !q.text.contains(QStringLiteral(" °")), qPrintable(where));
                const QList<int> given = numbersIn(q.text);
                switch (t) {
                case 2:
                    QCOMPARE(given.size(), 1);
                    QVERIFY2(given[0] >= 90 && given[0] + 2 * q.answer == 180, qPrintable(where));
                    break;
                case 4:
                case 6:
                case 7:
                    QCOMPARE(given.size(), 2);
                    QVERIFY2(given[0] >= 10 && given[0] <= 80 && given[1] >= 1 && given[1] <= 89, qPrintable(where));
                    QVERIFY2(given[0] + given[1] + q.answer == 180, qPrintable(where));
                    break;
                default:
                    QVERIFY2(given.isEmpty(), qPrintable(where));
                }
            }
        }
    }
}

void TestTriangleQuestions::successorTakesAQuarterOfTheDraws()
{
    // The program's own generator, with a clock that moves on by a fixed odd
    // step at every reading, so the run is the same every time.
    double now = 36000.0;
    ClockSeededRandom random([&now] { return now += 0.0137; });
    ProgramValues values;
    TriangleQuestions questions;

    std::array<int, 8> after{};
    std::array<int, 8> successor{};
    int previous = questions.draw(random, values).type;
    constexpr int Draws = 16000;
    for (int i = 0; i < Draws; ++i) {
        const int type = questions.draw(random, values).type;
        QVERIFY2(type != previous, qPrintable(QStringLiteral("type %1 twice in a row").arg(type)));
        ++after[previous];
        if (type == (previous + 1) % 8)
            ++successor[previous];
        previous = type;
    }
    for (int p = 0; p < 8; ++p) {
        QVERIFY2(after[p] > Draws / 16, qPrintable(QStringLiteral("type %1 drawn only %2 times").arg(p).arg(after[p])));
        const double share = double(successor[p]) / after[p];
        QVERIFY2(share > 0.2 && share < 0.3, qPrintable(QStringLiteral("after %1: successor share %2").arg(p).arg(share)));
    }
}

void TestTriangleQuestions::lastQuestionIsSharedWithTheOtherPage_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("2") << 2;
    QTest::newRow("7 wraps") << 7;
}

void TestTriangleQuestions::lastQuestionIsSharedWithTheOtherPage()
{
    QFETCH(int, type);
    ProgramValues values;
    TriangleQuestions triangle;

    // A triangle question, then the other page drawing the same number.
    ScriptedRandom random({typeDraw(type), 0.5, 0.5});
    values.lastquestion = (type + 3) % 8;
    QCOMPARE(triangle.draw(random, values).type, type);
    QCOMPARE(takeQuestionType(type, values), (type + 1) % 8);

    // The other way round.
    values.lastquestion = (type + 5) % 8;
    QCOMPARE(takeQuestionType(type, values), type);
    random.setValues({typeDraw(type), 0.5, 0.5});
    QCOMPARE(triangle.draw(random, values).type, (type + 1) % 8);
}

QTEST_GUILESS_MAIN(TestTriangleQuestions)
#include "tst_trianglequestions.moc"
