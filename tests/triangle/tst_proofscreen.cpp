// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "triangle/proofscreen.h"

#include "common/colourtable.h"
#include "common/twips.h"
#include "controls/label.h"
#include "support/testprogram.h"

#include <QtTest>

namespace {

const char *const Texts[] = {
    "The angles of the triangle below are labelled R, P and Q.",
    "The base of the triangle has been extended on both sides by a straight black line.",
    "A black line, parallel to the first line, has been drawn through the opposite vertex of the triangle.",
    "Alternate angles are equal, so the angle marked P in green is equal to the angle P in the triangle.",
    "Alternate angles are equal, so the angle marked Q in green is equal to the angle Q in the triangle.",
    "The angle P + R + Q is equal to 180\u00B0, as it forms half of a complete rotation. These are the three angles of "
    "the triangle, so the sum of the angles of the triangle is 180\u00B0.",
};

// The view shown: its text, the step button's caption, then which of the
// base's extension, the parallel and the green P and Q show.
QString view(const Screen *proof)
{
    QString shown = proof->control<Label>(QStringLiteral("Label3"))->text() + u'|' +
                    proof->control<Label>(QStringLiteral("Label5"))->text() + u'|';
    for (const auto &[name, index] : {std::pair{"Line1", 3}, {"Line1", 4}, {"Label4", 2}, {"Label4", 4}})
        shown += QString::number(proof->control<QWidget>(QString::fromLatin1(name), index)->isVisible());
    return shown;
}
QString expected(int number)
{
    return QString::fromUtf8(Texts[number]) + QString::fromLatin1(number < 5 ? "|Next Step|" : "|Restart Proof|") +
           QStringLiteral("11110000").mid(4 - std::min(number, 4), 4);
}

} // namespace

class TestProofScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void twoRoundsOfViews()
    {
        TestProgram program;
        ProofScreen *proof = program.open<ProofScreen>(ScreenNames::Proof);
        QVERIFY(proof);
        for (int clicks = 0; clicks <= 12; ++clicks) {
            // A double-click is one click: one step.
            const QPoint step = proof->control<QWidget>(QStringLiteral("Label5"))->geometry().center();
            if (clicks == 1)
                QTest::mouseDClick(proof->windowHandle(), Qt::LeftButton, {}, step);
            else if (clicks > 1)
                QTest::mouseClick(proof->windowHandle(), Qt::LeftButton, {}, step);
            const int number = clicks % 6;
            QCOMPARE(view(proof), expected(number));
            // The base and the apex stay yellow: the sides lie above the black
            // lines, which show beyond the triangle once drawn.
            const QImage shot = proof->grab().toImage();
            const auto at = [&shot](int x, int y) { return shot.pixelColor(twipsToPixels(x), twipsToPixels(y)); };
            const QColor none = proof->backgroundColour(), black = Colours::Black;
            QCOMPARE(QList<QColor>({at(5000, 6240), at(6480, 3260), at(2000, 6240), at(9600, 3240), at(6000, 3240)}),
                     QList<QColor>({Colours::Yellow,
                                    Colours::Yellow,
                                    number >= 1 ? black : none,
                                    number >= 2 ? black : none,
                                    number >= 2 ? black : none}));
        }
    }
};

QTEST_MAIN(TestProofScreen)
#include "tst_proofscreen.moc"
