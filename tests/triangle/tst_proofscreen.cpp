// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "triangle/proofscreen.h"

#include "controls/label.h"
#include "support/testprogram.h"

#include <QtTest>

// The proof's six views, twice round: each click on the step button (a
// double-click too) moves one view on, the last one's leads back to the first,
// and the second round looks as the first did. How each view looks is pinned
// pixel for pixel by tst_golden.
class TestProofScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void twoRoundsOfViews()
    {
        TestProgram program;
        ProofScreen *proof = program.open<ProofScreen>(ScreenNames::Proof);
        QVERIFY(proof);
        const auto *step = proof->control<Label>(QStringLiteral("Label5"));
        QTest::mouseMove(proof->windowHandle(), step->geometry().center()); // as hovered in every view
        QList<QImage> firstRound;
        for (int clicks = 0; clicks <= 12; ++clicks) {
            if (clicks == 1)
                QTest::mouseDClick(proof->windowHandle(), Qt::LeftButton, {}, step->geometry().center());
            else if (clicks > 1)
                QTest::mouseClick(proof->windowHandle(), Qt::LeftButton, {}, step->geometry().center());
            QCOMPARE(step->text(), clicks % 6 == 5 ? "Restart Proof" : "Next Step");
            const QImage shot = proof->grab().toImage();
            if (clicks < 6)
                firstRound += shot;
            else
                QVERIFY2(shot == firstRound.at(clicks % 6), qPrintable(QStringLiteral("view %1").arg(clicks % 6)));
        }
        // Each click showed something new.
        for (int view = 1; view < 6; ++view)
            QVERIFY2(firstRound.at(view) != firstRound.at(view - 1), qPrintable(QStringLiteral("view %1").arg(view)));
    }
};

QTEST_MAIN(TestProofScreen)
#include "tst_proofscreen.moc"
