// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "triangle/proofscreen.h"

#include "common/colourtable.h"
#include "common/twips.h"
#include "screens/controls.h"
#include "support/testprogram.h"

#include <QtTest>
#include <memory>

namespace {

struct View
{
    int revealed; // how many of the parts below are shown
    const char *text;
    const char *caption;
    int proofstep;
};

// The base extended, the parallel through the apex, the green P and Q.
const std::pair<const char *, int> Revealed[] = {{"Line1", 3}, {"Line1", 4}, {"Label4", 2}, {"Label4", 4}};
// The triangle and its yellow letters, in every view.
const std::pair<const char *, int> Kept[] = {{"Line1", 0}, {"Line1", 1}, {"Line1", 2}, {"Label4", 0}, {"Label4", 1}, {"Label4", 3}};

const View Views[] = {
    {0, "The angles of the triangle below are labelled R, P and Q.", "Next Step", 0},
    {1, "The base of the triangle has been extended on both sides by a straight black line.", "Next Step", 1},
    {2, "A black line, parallel to the first line, has been drawn through the opposite vertex of the triangle.", "Next Step", 2},
    {3, "Alternate angles are equal, so the angle marked P in green is equal to the angle P in the triangle.", "Next Step", 3},
    {4, "Alternate angles are equal, so the angle marked Q in green is equal to the angle Q in the triangle.", "Next Step", 4},
    {4, "The angle P + R + Q is equal to 180\u00B0, as it forms half of a complete rotation. These are the three angles of the "
        "triangle, so the sum of the angles of the triangle is 180\u00B0.", "Restart Proof", -1},
};

QWidget *part(const ProofScreen *proof, const std::pair<const char *, int> &which)
{
    return proof->control<QWidget>(QString::fromLatin1(which.first), which.second);
}

QPoint centreOf(const Screen *screen, const char *name)
{
    return screen->control<QWidget>(QString::fromLatin1(name))->geometry().center();
}

void clickOn(Screen *screen, const char *name)
{
    QTest::mouseClick(screen->windowHandle(), Qt::LeftButton, {}, centreOf(screen, name));
}

QColor pixelAt(const QImage &shot, int xTwips, int yTwips)
{
    return shot.pixelColor(twipsToPixels(xTwips), twipsToPixels(yTwips));
}

// Whether any pixel inside a control's rectangle has this colour.
bool showsColour(const QImage &shot, const QWidget *control, const QColor &colour)
{
    const QRect area = control->geometry();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (sameColour(shot.pixelColor(x, y), colour, 16))
                return true;
        }
    }
    return false;
}

} // namespace

class TestProofScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        m_program.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void twoRoundsOfViews();
    void everyVisitStartsAtTheFirstView();

private:
    ProofScreen *openProof()
    {
        m_program->screens().show(ScreenNames::Proof);
        auto *proof = m_program->screen<ProofScreen>(ScreenNames::Proof);
        return proof && QTest::qWaitForWindowExposed(proof) ? proof : nullptr;
    }
    std::unique_ptr<TestProgram> m_program;
};

void TestProofScreen::twoRoundsOfViews()
{
    ProofScreen *proof = openProof();
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
        const View &view = Views[number];
        for (int i = 0; i < 4; ++i)
            QVERIFY2(part(proof, Revealed[i])->isVisible() == (i < view.revealed), qPrintable(QStringLiteral("part %1 after %2 clicks").arg(i).arg(clicks)));
        for (const auto &kept : Kept)
            QVERIFY(part(proof, kept)->isVisible());
        QCOMPARE(proof->control<Label>(QStringLiteral("Label3"))->text(), QString::fromUtf8(view.text));
        QCOMPARE(proof->control<Label>(QStringLiteral("Label5"))->text(), QString::fromUtf8(view.caption));
        QCOMPARE(int(proof->proofstep), view.proofstep);

        const QImage shot = proof->grab().toImage();
        if (number == 0)
            QCOMPARE(shot, atLoad);
        const QString folder = qEnvironmentVariable("VERTEXA_SCREENSHOTS"); // for a person to look at
        if (!folder.isEmpty() && clicks < 6)
            shot.save(folder + QStringLiteral("/proof-view-%1.png").arg(number));
        // The base and the apex stay yellow: the sides lie above the black lines,
        // which show beyond the triangle once drawn.
        QCOMPARE(pixelAt(shot, 5000, 6240), Colours::Yellow);
        QCOMPARE(pixelAt(shot, 3000, 6240), Colours::Yellow);
        QCOMPARE(pixelAt(shot, 6480, 3260), Colours::Yellow);
        const QColor background = proof->backgroundColour();
        for (int x : {2000, 9600})
            QCOMPARE(pixelAt(shot, x, 6240), number >= 1 ? QColor(Colours::Black) : background);
        for (int x : {2000, 6000, 7000, 9600})
            QCOMPARE(pixelAt(shot, x, 3240), number >= 2 ? QColor(Colours::Black) : background);
        // The green letters show once revealed, the yellow ones always.
        QCOMPARE(showsColour(shot, part(proof, Revealed[2]), Colours::Green), number >= 3);
        QCOMPARE(showsColour(shot, part(proof, Revealed[3]), Colours::Green), number >= 4);
        for (int i : {3, 4, 5})
            QVERIFY(showsColour(shot, part(proof, Kept[i]), Colours::Yellow));
    }
}

void TestProofScreen::everyVisitStartsAtTheFirstView()
{
    ProofScreen *proof = openProof();
    QVERIFY(proof);
    for (int i = 0; i < 4; ++i)
        clickOn(proof, "Label5");
    QCOMPARE(proof->proofstep, qint16(4));
    clickOn(proof, "Label2"); // on to the problems page
    TestProgram::settle();
    QCOMPARE(m_program->screens().loadedNames(), QStringList{ScreenNames::TriangleProblems});

    proof = openProof();
    QVERIFY(proof);
    QCOMPARE(proof->proofstep, qint16(0));
    QVERIFY(!part(proof, Revealed[0])->isVisible());
    clickOn(proof, "Label5");
    QCOMPARE(proof->control<Label>(QStringLiteral("Label3"))->text(), QString::fromUtf8(Views[1].text));
}

QTEST_MAIN(TestProofScreen)
#include "tst_proofscreen.moc"
