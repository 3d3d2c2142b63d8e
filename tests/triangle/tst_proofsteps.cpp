// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "triangle/proofsteps.h"

#include <QtTest>

Q_DECLARE_METATYPE(ProofFigurePart)

class TestProofSteps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cycle_data();
    void cycle();
    void strayStepRestarts_data();
    void strayStepRestarts();
    void eachMiddleViewRevealsOneMorePart();
    void firstViewHidesEveryRevealedPart();
};

void TestProofSteps::cycle_data()
{
    // proofstep before a click, the view that click shows, proofstep after.
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("after");
    QTest::newRow("load to 1") << 0 << 1 << 1;
    QTest::newRow("1 to 2") << 1 << 2 << 2;
    QTest::newRow("2 to 3") << 2 << 3 << 3;
    QTest::newRow("3 to 4") << 3 << 4 << 4;
    QTest::newRow("4 to the last view") << 4 << 5 << -1;
    QTest::newRow("after the last view, back to 0") << -1 << 0 << 0;
}

void TestProofSteps::cycle()
{
    QFETCH(int, before);
    QFETCH(int, view);
    QFETCH(int, after);
    qint16 proofstep = static_cast<qint16>(before);
    const ProofView shown = ProofSteps::click(proofstep);
    QCOMPARE(int(proofstep), after);
    const ProofView expected = ProofSteps::view(view);
    QCOMPARE(shown.text, expected.text);
    QCOMPARE(shown.caption, expected.caption);
    QCOMPARE(shown.show, expected.show);
    QCOMPARE(shown.hide, expected.hide);
}

void TestProofSteps::strayStepRestarts_data()
{
    QTest::addColumn<int>("before");
    QTest::newRow("the last view's own number") << 5;
    QTest::newRow("beyond the views") << 6;
    QTest::newRow("largest") << 32767;
    QTest::newRow("below -1") << -2;
    QTest::newRow("smallest") << -32768;
}

void TestProofSteps::strayStepRestarts()
{
    QFETCH(int, before);
    qint16 proofstep = static_cast<qint16>(before);
    const ProofView shown = ProofSteps::click(proofstep);
    QCOMPARE(int(proofstep), 0);
    QCOMPARE(shown.caption, QStringLiteral("Next Step"));
    QCOMPARE(shown.hide, ProofSteps::revealedParts());
}

void TestProofSteps::eachMiddleViewRevealsOneMorePart()
{
    QList<ProofFigurePart> revealed;
    for (int number = 1; number <= 4; ++number) {
        const ProofView v = ProofSteps::view(number);
        QVERIFY(v.hide.isEmpty());
        QCOMPARE(v.show.size(), 1);
        QVERIFY(!revealed.contains(v.show.first()));
        QVERIFY(v.caption.isEmpty());
        QVERIFY(!v.text.isEmpty());
        revealed.append(v.show.first());
    }
    QCOMPARE(revealed, ProofSteps::revealedParts());

    const ProofView last = ProofSteps::view(ProofSteps::LastView);
    QVERIFY(last.hide.isEmpty());
    QVERIFY(last.show.isEmpty());
    QCOMPARE(last.caption, QStringLiteral("Restart Proof"));
    QCOMPARE(last.text.count(QChar(0x00B0)), 2);
}

void TestProofSteps::firstViewHidesEveryRevealedPart()
{
    const ProofView first = ProofSteps::view(ProofSteps::FirstView);
    QVERIFY(first.show.isEmpty());
    const QList<ProofFigurePart> order{{QStringLiteral("Line1"), 3}, {QStringLiteral("Line1"), 4}, {QStringLiteral("Label4"), 2}, {QStringLiteral("Label4"), 4}};
    QCOMPARE(first.hide, order);
    QCOMPARE(first.caption, QStringLiteral("Next Step"));
}

QTEST_GUILESS_MAIN(TestProofSteps)
#include "tst_proofsteps.moc"
