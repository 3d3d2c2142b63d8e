// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "triangle/proofsteps.h"

#include <QtTest>

class TestProofSteps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void strayStepRestarts_data();
    void strayStepRestarts();
    void eachMiddleViewRevealsOneMorePart();
};

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

    // The first view takes back exactly what the others revealed.
    const ProofView first = ProofSteps::view(ProofSteps::FirstView);
    QVERIFY(first.show.isEmpty());
    QCOMPARE(first.hide, revealed);
}

QTEST_GUILESS_MAIN(TestProofSteps)
#include "tst_proofsteps.moc"
