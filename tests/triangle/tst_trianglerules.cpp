// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The triangle problems page's questions, without widgets; the no-repeat rule
// for question types is pinned here and by the stellated questions.
#include "common/questionhistory.h"
#include "support/scriptedrandom.h"
#include "triangle/trianglequestions.h"

#include <QTest>

class TestTriangleRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void question_data()
    {
        // Draws: the type (x 8), the multiplier (x 9) and the angle (x 90), each
        // in the middle of the wanted whole part unless given; the type drawn
        // last (-1: nothing yet) is out of the way unless given.
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("answer");
        const auto row =
            [](const char *name, QList<double> whole, int type, const QString &text, double answer, int last = -2) {
                QList<double> draws{(whole[0] + 0.5) / 8, (whole[1] + 0.5) / 9, (whole[2] + 0.5) / 90};
                if (whole.size() > 3)
                    draws = whole.mid(3);
                QTest::newRow(name) << draws << (last == -2 ? (type + 4) % 8 : last) << type << text << answer;
            };
        const QString sum = QStringLiteral("In degrees, what is the sum of the angles of ");
        const QString each = QStringLiteral("In degrees, what is the size of each ");
        const QString apex = QStringLiteral("If one of the angles of an isosceles triangle is %1°, what is the size "
                                            "of each of the other two angles in degrees?");
        const QString third =
            QStringLiteral("If a triangle has angles of %1° and %2°, what is the size of the other angle in degrees?");
        row("0", {0, 2, 27}, 0, sum + QStringLiteral("a right-angled triangle?"), 180);
        row("2: zero draws", {0, 0, 0, 0.3125, 0.0, 0.0}, 2, apex.arg(90), 45);
        row("2: largest draws", {2, 8, 89}, 2, apex.arg(170), 5);
        row("3", {3, 2, 27}, 3, each + "of the smaller angles of a right-angled isosceles triangle?", 45);
        row("5", {5, 2, 27}, 5, each + "angle of an equilateral triangle?", 60);
        row("4", {4, 3, 45}, 4, third.arg(30).arg(45), 105);
        row("6: zero draws become 10 and 1", {0, 0, 0, 0.8125, 0.0, 0.0}, 6, third.arg(10).arg(1), 169);
        row("7: draws just below 1", {0, 0, 0, 0.99999994, 0.99999994, 0.99999994}, 7, third.arg(80).arg(89), 11);
        row("nothing drawn yet: 0 becomes 1", {0, 2, 27}, 1, sum + QStringLiteral("an isosceles triangle?"), 180, -1);
        row("repeat of 3 becomes 4", {3, 2, 30}, 4, third.arg(20).arg(30), 130, 3);
    }
    void question()
    {
        QFETCH(QList<double>, draws);
        QFETCH(int, last);
        QFETCH(int, type);
        QFETCH(QString, caption);
        QFETCH(double, answer);
        ScriptedRandom random(draws);
        QuestionHistory history(last >= 0 ? std::optional(last) : std::nullopt);
        const Question q = TriangleQuestions().draw(random, history);
        QCOMPARE(q.text, caption);
        // The type is remembered: the same type drawn next moves on. Re-seeded,
        // then always three values, so that runs replay alike.
        QCOMPARE(std::tuple(q.type, q.answer, history.take(type), q.animation.has_value()),
                 std::tuple(type, answer, (type + 1) % QuestionTypeCount, false));
        QCOMPARE(std::pair(random.reseeds(), random.draws()), std::pair(1, 3));
    }
};

QTEST_GUILESS_MAIN(TestTriangleRules)
#include "tst_trianglerules.moc"
