// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/questionhistory.h"
#include "controls/label.h"
#include "support/datarow.h"
#include "support/scriptedrandom.h"
#include "support/testprogram.h"
#include "triangle/proofscreen.h"
#include "triangle/trianglequestions.h"

#include <QtTest>

// The triangle topic: the problems page's questions, without widgets (the
// no-repeat rule for question types is pinned here and by the stellated
// questions), and the proof's views.
class TestTriangle : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void question_data()
    {
        // Draws: the type (x 8), the multiplier (x 9) and the angle (x 90).
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<int>("last"); // the type drawn last; -1: nothing yet
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("answer");
        // Draws in the middle of the wanted whole parts.
        const auto mid = [](double type, double multiplier, double angle) {
            return QList<double>{(type + 0.5) / 8, (multiplier + 0.5) / 9, (angle + 0.5) / 90};
        };
        const QString sum = QStringLiteral("In degrees, what is the sum of the angles of ");
        const QString each = QStringLiteral("In degrees, what is the size of each ");
        const QString apex = QStringLiteral("If one of the angles of an isosceles triangle is %1°, what is the size "
                                            "of each of the other two angles in degrees?");
        const QString third =
            QStringLiteral("If a triangle has angles of %1° and %2°, what is the size of the other angle in degrees?");
        const QString smaller = each + "of the smaller angles of a right-angled isosceles triangle?";
        addDataRow("sum, right-angled", mid(0, 2, 27), 4, 0, sum + "a right-angled triangle?", 180.0);
        addDataRow("isosceles, zero draws", QList<double>{0.3125, 0, 0}, 6, 2, apex.arg(90), 45.0);
        addDataRow("isosceles, largest draws", mid(2, 8, 89), 6, 2, apex.arg(170), 5.0);
        addDataRow("right-angled isosceles", mid(3, 2, 27), 7, 3, smaller, 45.0);
        addDataRow("equilateral", mid(5, 2, 27), 1, 5, each + "angle of an equilateral triangle?", 60.0);
        addDataRow("third angle", mid(4, 3, 45), 0, 4, third.arg(30).arg(45), 105.0);
        addDataRow("third, zero draws give 10 and 1", QList<double>{0.8125, 0, 0}, 2, 6, third.arg(10).arg(1), 169.0);
        addDataRow("third, draws just below 1", QList<double>(3, 0.99999994), 3, 7, third.arg(80).arg(89), 11.0);
        addDataRow("nothing drawn yet: 0 becomes 1", mid(0, 2, 27), -1, 1, sum + "an isosceles triangle?", 180.0);
        addDataRow("repeat of 3 becomes 4", mid(3, 2, 30), 3, 4, third.arg(20).arg(30), 130.0);
    }
    void question()
    {
        QFETCH(QList<double>, draws);
        QFETCH(int, last);
        QFETCH(int, type);
        ScriptedRandom random(draws);
        QuestionHistory history(last >= 0 ? std::optional(last) : std::nullopt);
        const Question q = TriangleQuestions().draw(random, history);
        QTEST(q.text, "caption");
        QTEST(q.answer, "answer");
        QCOMPARE(q.type, type);
        // The type is remembered: the same type drawn next moves on.
        QCOMPARE(history.take(type), (type + 1) % QuestionTypeCount);
    }

    // The proof's six views, twice round: a click on the step button (a
    // double-click too) moves one view on, the last one's leads back to the
    // first, and the second round looks as the first did, captions and all.
    // How each view of the first round looks is pinned pixel for pixel by
    // tst_golden.
    void twoRoundsOfViews()
    {
        TestProgram program;
        ProofScreen *proof = program.open<ProofScreen>(ScreenNames::Proof);
        QVERIFY(proof);
        const QPoint at = proof->control<Label>(QStringLiteral("Label5"))->geometry().center();
        QTest::mouseMove(proof->windowHandle(), at); // as hovered in every view
        QList<QImage> views;
        for (int clicks = 0; clicks <= 12; ++clicks) {
            if (clicks == 1)
                QTest::mouseDClick(proof->windowHandle(), Qt::LeftButton, {}, at);
            else if (clicks > 1)
                QTest::mouseClick(proof->windowHandle(), Qt::LeftButton, {}, at);
            views += proof->grab().toImage();
            QVERIFY2(clicks < 6 || views.last() == views.at(clicks - 6), qPrintable(QString::number(clicks)));
        }
    }
};

QTEST_MAIN(TestTriangle)
#include "tst_triangle.moc"
