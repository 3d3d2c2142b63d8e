// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "triangle/proofscreen.h"

#include "common/colourtable.h"
#include "common/twips.h"
#include "screens/label.h"
#include "support/testprogram.h"

#include <QtTest>

namespace {

using Part = std::pair<const char *, int>;
// The base extended, the parallel through the apex, the green P and Q: one more each view up to the fourth.
const Part Revealed[] = {{"Line1", 3}, {"Line1", 4}, {"Label4", 2}, {"Label4", 4}};
// The triangle and its yellow letters, in every view.
const Part Kept[] = {{"Line1", 0}, {"Line1", 1}, {"Line1", 2}, {"Label4", 0}, {"Label4", 1}, {"Label4", 3}};

const char *const Texts[] = {
    "The angles of the triangle below are labelled R, P and Q.",
    "The base of the triangle has been extended on both sides by a straight black line.",
    "A black line, parallel to the first line, has been drawn through the opposite vertex of the triangle.",
    "Alternate angles are equal, so the angle marked P in green is equal to the angle P in the triangle.",
    "Alternate angles are equal, so the angle marked Q in green is equal to the angle Q in the triangle.",
    "The angle P + R + Q is equal to 180\u00B0, as it forms half of a complete rotation. These are the three angles of "
    "the "
    "triangle, so the sum of the angles of the triangle is 180\u00B0.",
};

QWidget *part(const Screen *screen, const Part &which)
{
    return screen->control<QWidget>(QString::fromLatin1(which.first), which.second);
}
QString textOf(const Screen *screen, const char *label)
{
    return screen->control<Label>(QString::fromLatin1(label))->text();
}
QPoint centreOf(const Screen *screen, const char *name)
{
    return screen->control<QWidget>(QString::fromLatin1(name))->geometry().center();
}
void clickOn(Screen *screen, const char *name)
{
    QTest::mouseClick(screen->windowHandle(), Qt::LeftButton, {}, centreOf(screen, name));
}

// Whether any pixel inside a control's rectangle has this colour.
bool showsColour(const QImage &shot, const QWidget *control, const QColor &colour)
{
    const QRect area = control->geometry();
    for (int i = 0; i < area.width() * area.height(); ++i) {
        if (sameColour(shot.pixelColor(area.left() + i % area.width(), area.top() + i / area.width()), colour, 16))
            return true;
    }
    return false;
}

// How many pixels of the focus ring's left edge (two pixels in, where no text
// reaches) show the label's text colour.
int ringPixels(Label *label)
{
    const QImage shot = label->grab().toImage();
    int count = 0;
    for (int y = 2; y < shot.height() - 2; ++y)
        count += sameColour(shot.pixelColor(2, y), label->foreColour(), 16);
    return count;
}

ProofScreen *openProof(TestProgram &program)
{
    return program.open<ProofScreen>(ScreenNames::Proof);
}

} // namespace

class TestProofScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void twoRoundsOfViews()
    {
        TestProgram program;
        ProofScreen *proof = openProof(program);
        QVERIFY(proof);
        const QImage atLoad = proof->grab().toImage();
        // Unlike the menu's, these links do not light up under the pointer: here
        // over "Problems Page", and over the step button at views 0 below.
        QTest::mouseMove(proof->windowHandle(), centreOf(proof, "Label2"));
        QCOMPARE(proof->grab().toImage(), atLoad);
        for (int clicks = 0; clicks <= 12; ++clicks) {
            if (clicks > 0)
                clickOn(proof, "Label5");
            const int number = clicks % 6;
            for (int i = 0; i < 4; ++i)
                QCOMPARE(std::tuple(clicks, i, part(proof, Revealed[i])->isVisible()),
                         std::tuple(clicks, i, i < number));
            for (const Part &kept : Kept)
                QVERIFY(part(proof, kept)->isVisible());
            QCOMPARE(textOf(proof, "Label3"), QString::fromUtf8(Texts[number]));
            QCOMPARE(textOf(proof, "Label5"),
                     number < 5 ? QStringLiteral("Next Step") : QStringLiteral("Restart Proof"));

            const QImage shot = proof->grab().toImage();
            if (number == 0)
                QCOMPARE(shot, atLoad);
            const auto pixelAt = [&shot](int xTwips, int yTwips) {
                return shot.pixelColor(twipsToPixels(xTwips), twipsToPixels(yTwips));
            };
            // The base and the apex stay yellow: the sides lie above the black lines,
            // which show beyond the triangle once drawn.
            for (const auto &[x, y] : {std::pair{5000, 6240}, {3000, 6240}, {6480, 3260}})
                QCOMPARE(pixelAt(x, y), QColor(Colours::Yellow));
            const QColor background = proof->backgroundColour();
            for (int x : {2000, 9600})
                QCOMPARE(pixelAt(x, 6240), number >= 1 ? QColor(Colours::Black) : background);
            for (int x : {2000, 6000, 7000, 9600})
                QCOMPARE(pixelAt(x, 3240), number >= 2 ? QColor(Colours::Black) : background);
            // The green letters show once revealed, the yellow ones always.
            for (int i : {2, 3})
                QCOMPARE(showsColour(shot, part(proof, Revealed[i]), Colours::Green), number > i);
            for (int i : {3, 4, 5})
                QVERIFY(showsColour(shot, part(proof, Kept[i]), Colours::Yellow));
        }
    }

    void everyVisitStartsAtTheFirstView()
    {
        TestProgram program;
        ProofScreen *proof = openProof(program);
        QVERIFY(proof);
        for (int i = 0; i < 4; ++i)
            clickOn(proof, "Label5");
        QCOMPARE(textOf(proof, "Label3"), QString::fromUtf8(Texts[4]));
        clickOn(proof, "Label2"); // on to the problems page
        TestProgram::settle();
        QCOMPARE(program.screens().loadedNames(), QStringList{ScreenNames::TriangleProblems});

        QVERIFY((proof = openProof(program)));
        QVERIFY(!part(proof, Revealed[0])->isVisible());
        QCOMPARE(textOf(proof, "Label3"), QString::fromUtf8(Texts[0]));
        clickOn(proof, "Label5");
        QCOMPARE(textOf(proof, "Label3"), QString::fromUtf8(Texts[1]));
    }

    // A double-click is one click and a label has no double-click of its own:
    // one step. The ring shows only where the keyboard brought the focus.
    void mouseAndKeyboardOnTheLinks()
    {
        TestProgram program;
        ProofScreen *proof = openProof(program);
        QVERIFY(proof);
        auto *step = proof->control<Label>(QStringLiteral("Label5"));
        QVERIFY(step->hasFocus()); // given by the window coming up, not by the keyboard
        QCOMPARE(ringPixels(step), 0);
        // A single line of one colour all round.
        const QImage shot = step->grab().toImage();
        const int w = shot.width(), h = shot.height();
        for (int i = 0; i < 2 * (w + h); ++i) {
            const QPoint at = i < w           ? QPoint(i, 0)
                              : i < 2 * w     ? QPoint(i - w, h - 1)
                              : i < 2 * w + h ? QPoint(0, i - 2 * w)
                                              : QPoint(w - 1, i - 2 * w - h);
            QCOMPARE(std::pair(at, shot.pixelColor(at)), std::pair(at, QColor(Qt::black)));
        }

        QTest::mouseDClick(proof->windowHandle(), Qt::LeftButton, {}, centreOf(proof, "Label5"));
        QCOMPARE(textOf(proof, "Label3"), QString::fromUtf8(Texts[1])); // one view on, not two
        QCOMPARE(ringPixels(step), 0);

        QTest::keyClick(proof, Qt::Key_Tab);
        auto *link = proof->control<Label>(QStringLiteral("Label2"));
        QVERIFY(link->hasFocus());
        QVERIFY(ringPixels(link) > 0);
        QTest::keyClick(link, Qt::Key_Backtab);
        QVERIFY(ringPixels(step) > 0);
        QCOMPARE(ringPixels(link), 0);
    }
};

QTEST_MAIN(TestProofScreen)
#include "tst_proofscreen.moc"
