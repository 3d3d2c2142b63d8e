// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The triangle problems page's questions, without widgets (the proof's views
// are checked on the screen, in tst_proofscreen).
#include "common/programvalues.h"
#include "support/scriptedrandom.h"
#include "triangle/trianglequestions.h"

#include <QTest>

namespace {

// Scripted values that land in the middle of the wanted whole part.
double typeDraw(int t)
{
    return (t + 0.5) / 8;
}
double multiplierDraw(int a)
{
    return (a + 0.5) / 9;
}
double angleDraw(int b)
{
    return (b + 0.5) / 90;
}

// Notes the order of re-seeds ('r') and draws ('n').
struct LoggedRandom : ScriptedRandom
{
    using ScriptedRandom::ScriptedRandom;
    double next() override
    {
        log += u'n';
        return ScriptedRandom::next();
    }
    void reseedFromClock() override { log += u'r'; }
    QString log;
};

} // namespace

class TestTriangleRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void question_data()
    {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<int>("last"); // -1: nothing drawn yet
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("answer");

        // Unless given, the type drawn last is out of the way of the draw.
        const auto row =
            [](const char *name, QList<double> draws, int type, const QString &caption, double answer, int last = -2) {
                QTest::newRow(name) << draws << (last == -2 ? (type + 4) % 8 : last) << type << caption << answer;
            };
        const QString sum = QStringLiteral("In degrees, what is the sum of the angles of ");
        const auto apex = [](int g) {
            return QStringLiteral("If one of the angles of an isosceles triangle is %1°, what is the size of each of "
                                  "the other two angles in degrees?")
                .arg(g);
        };
        const auto third = [](int p, int q) {
            return QStringLiteral(
                       "If a triangle has angles of %1° and %2°, what is the size of the other angle in degrees?")
                .arg(p)
                .arg(q);
        };
        row("0: right-angled sum", {typeDraw(0), 0.3, 0.3}, 0, sum + QStringLiteral("a right-angled triangle?"), 180);
        row("1: isosceles sum", {typeDraw(1), 0.3, 0.3}, 1, sum + QStringLiteral("an isosceles triangle?"), 180);
        row("2: apex 90 from zero draws", {typeDraw(2), 0.0, 0.0}, 2, apex(90), 45);
        row("2: apex 170 from the largest draws", {typeDraw(2), multiplierDraw(8), angleDraw(89)}, 2, apex(170), 5);
        row("3: right-angled isosceles",
            {typeDraw(3), 0.3, 0.3},
            3,
            QStringLiteral(
                "In degrees, what is the size of each of the smaller angles of a right-angled isosceles triangle?"),
            45);
        row("5: equilateral",
            {typeDraw(5), 0.3, 0.3},
            5,
            QStringLiteral("In degrees, what is the size of each angle of an equilateral triangle?"),
            60);
        row("4: 30 and 45", {typeDraw(4), multiplierDraw(3), angleDraw(45)}, 4, third(30, 45), 105);
        row("6: zero draws become 10 and 1", {typeDraw(6), 0.0, 0.0}, 6, third(10, 1), 169);
        row("7: draws just below 1", {0.99999994, 0.99999994, 0.99999994}, 7, third(80, 89), 11);
        // The type drawn last, on either page, is never drawn again.
        row("nothing drawn yet: 0 becomes 1",
            {typeDraw(0), 0.3, 0.3},
            1,
            sum + QStringLiteral("an isosceles triangle?"),
            180,
            -1);
        row("repeat of 3 becomes 4", {typeDraw(3), multiplierDraw(2), angleDraw(30)}, 4, third(20, 30), 130, 3);
    }
    void question()
    {
        QFETCH(QList<double>, draws);
        QFETCH(int, last);
        QFETCH(int, type);
        QFETCH(QString, caption);
        QFETCH(double, answer);
        LoggedRandom random(draws);
        ProgramValues values;
        if (last >= 0)
            values.lastquestion = last;
        const Question q = TriangleQuestions().draw(random, values);
        QCOMPARE(q.text, caption);
        QCOMPARE(std::tuple(q.type, q.answer, values.lastquestion.value_or(-1), q.animation.has_value()),
                 std::tuple(type, answer, type, false));
        // Re-seeded first, then always three values, so that runs replay alike.
        QCOMPARE(random.log, QStringLiteral("rnnn"));
    }
};

QTEST_GUILESS_MAIN(TestTriangleRules)
#include "tst_trianglerules.moc"
