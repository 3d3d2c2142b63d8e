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

const QString View0 = QStringLiteral("The angles of the triangle below are labelled R, P and Q.");
const QString View1 = QStringLiteral("The base of the triangle has been extended on both sides by a straight black line.");
const QString View2 = QStringLiteral("A black line, parallel to the first line, has been drawn through the opposite vertex of the triangle.");
const QString View3 = QStringLiteral("Alternate angles are equal, so the angle marked P in green is equal to the angle P in the triangle.");
const QString View4 = QStringLiteral("Alternate angles are equal, so the angle marked Q in green is equal to the angle Q in the triangle.");
const QString View5 = QStringLiteral("The angle P + R + Q is equal to 180\u00B0, as it forms half of a complete rotation. These are the three angles of the triangle, so the sum of the angles of the triangle is 180\u00B0.");
const QString NextStep = QStringLiteral("Next Step");
const QString RestartProof = QStringLiteral("Restart Proof");

// Everything the walk-through can change, one line each.
QStringList proofState(const ProofScreen *proof)
{
    QStringList state;
    for (const QString &name : {QStringLiteral("Line1"), QStringLiteral("Label4")}) {
        for (int i = 0; i <= 4; ++i)
            state.append(QStringLiteral("%1(%2) visible=%3").arg(name).arg(i).arg(proof->control<QWidget>(name, i)->isVisibleTo(proof)));
    }
    state.append(QStringLiteral("Label3 '%1'").arg(proof->control<Label>(QStringLiteral("Label3"))->text()));
    state.append(QStringLiteral("Label5 '%1'").arg(proof->control<Label>(QStringLiteral("Label5"))->text()));
    state.append(QStringLiteral("proofstep %1").arg(proof->proofstep));
    return state;
}

QPoint centreOf(const Screen *screen, const QString &name, int index = NoIndex)
{
    return screen->control<QWidget>(name, index)->geometry().center();
}

void click(Screen *screen, const QString &name, int index = NoIndex)
{
    QTest::mouseClick(screen->windowHandle(), Qt::LeftButton, {}, centreOf(screen, name, index));
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

void keepForViewing(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("VERTEXA_SCREENSHOTS");
    if (!folder.isEmpty())
        widget->grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

} // namespace

class TestProofScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void viewsAfterClicks_data();
    void viewsAfterClicks();
    void twelveClicksGiveBackTheLoad();
    void figureReadsAsAProof_data();
    void figureReadsAsAProof();
    void labelsDoNotLightUp();
    void everyVisitStartsAtTheFirstView();
    void exitGoesBackToTheMenu_data();
    void exitGoesBackToTheMenu();

private:
    ProofScreen *openProof();
    std::unique_ptr<TestProgram> m_program;
};

void TestProofScreen::init()
{
    m_program = std::make_unique<TestProgram>();
}

void TestProofScreen::cleanup()
{
    m_program.reset();
    TestProgram::settle();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

ProofScreen *TestProofScreen::openProof()
{
    m_program->screens().show(ScreenNames::Proof);
    auto *proof = m_program->screen<ProofScreen>(ScreenNames::Proof);
    if (proof && !QTest::qWaitForWindowExposed(proof))
        return nullptr;
    return proof;
}

void TestProofScreen::viewsAfterClicks_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("baseExtended"); // Line1(3)
    QTest::addColumn<bool>("parallel");     // Line1(4)
    QTest::addColumn<bool>("greenP");       // Label4(2)
    QTest::addColumn<bool>("greenQ");       // Label4(4)
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("proofstep");

    QTest::newRow("load") << 0 << false << false << false << false << View0 << NextStep << 0;
    QTest::newRow("1 click") << 1 << true << false << false << false << View1 << NextStep << 1;
    QTest::newRow("2 clicks") << 2 << true << true << false << false << View2 << NextStep << 2;
    QTest::newRow("3 clicks") << 3 << true << true << true << false << View3 << NextStep << 3;
    QTest::newRow("4 clicks") << 4 << true << true << true << true << View4 << NextStep << 4;
    QTest::newRow("5 clicks") << 5 << true << true << true << true << View5 << RestartProof << -1;
    QTest::newRow("6 clicks: restart") << 6 << false << false << false << false << View0 << NextStep << 0;
    QTest::newRow("7 clicks") << 7 << true << false << false << false << View1 << NextStep << 1;
    QTest::newRow("8 clicks") << 8 << true << true << false << false << View2 << NextStep << 2;
    QTest::newRow("9 clicks") << 9 << true << true << true << false << View3 << NextStep << 3;
    QTest::newRow("10 clicks") << 10 << true << true << true << true << View4 << NextStep << 4;
    QTest::newRow("11 clicks") << 11 << true << true << true << true << View5 << RestartProof << -1;
    QTest::newRow("12 clicks") << 12 << false << false << false << false << View0 << NextStep << 0;
}

void TestProofScreen::viewsAfterClicks()
{
    QFETCH(int, clicks);
    QFETCH(bool, baseExtended);
    QFETCH(bool, parallel);
    QFETCH(bool, greenP);
    QFETCH(bool, greenQ);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QFETCH(int, proofstep);

    ProofScreen *proof = openProof();
    QVERIFY(proof);
    for (int i = 0; i < clicks; ++i)
        click(proof, QStringLiteral("Label5"));

    QCOMPARE(proof->control<QWidget>(QStringLiteral("Line1"), 3)->isVisible(), baseExtended);
    QCOMPARE(proof->control<QWidget>(QStringLiteral("Line1"), 4)->isVisible(), parallel);
    QCOMPARE(proof->control<QWidget>(QStringLiteral("Label4"), 2)->isVisible(), greenP);
    QCOMPARE(proof->control<QWidget>(QStringLiteral("Label4"), 4)->isVisible(), greenQ);
    // The triangle and its yellow letters stay in every view.
    for (int i : {0, 1, 2})
        QVERIFY(proof->control<QWidget>(QStringLiteral("Line1"), i)->isVisible());
    for (int i : {0, 1, 3})
        QVERIFY(proof->control<QWidget>(QStringLiteral("Label4"), i)->isVisible());
    QCOMPARE(proof->control<Label>(QStringLiteral("Label3"))->text(), text);
    QCOMPARE(proof->control<Label>(QStringLiteral("Label5"))->text(), caption);
    QCOMPARE(int(proof->proofstep), proofstep);
}

void TestProofScreen::twelveClicksGiveBackTheLoad()
{
    ProofScreen *proof = openProof();
    QVERIFY(proof);
    const QStringList atLoad = proofState(proof);
    const QImage shotAtLoad = proof->grab().toImage();
    QStringList seen;
    for (int i = 0; i < 12; ++i) {
        click(proof, QStringLiteral("Label5"));
        seen.append(proofState(proof).join(u'\n'));
    }
    QCOMPARE(proofState(proof), atLoad);
    QCOMPARE(proof->grab().toImage(), shotAtLoad);
    // Two rounds of six different views.
    QCOMPARE(QSet<QString>(seen.cbegin(), seen.cend()).size(), 6);
}

void TestProofScreen::figureReadsAsAProof_data()
{
    QTest::addColumn<int>("view");
    for (int v = 0; v <= 5; ++v)
        QTest::addRow("view %d", v) << v;
}

void TestProofScreen::figureReadsAsAProof()
{
    QFETCH(int, view);
    ProofScreen *proof = openProof();
    QVERIFY(proof);
    for (int i = 0; i < view; ++i)
        click(proof, QStringLiteral("Label5"));
    keepForViewing(proof, QStringLiteral("proof-view-%1").arg(view));
    const QImage shot = proof->grab().toImage();
    const QColor background = proof->backgroundColour();
    const QColor yellow = Colours::Yellow;
    const QColor black = Colours::Black;

    // The base and the apex stay yellow: the sides lie above the black lines.
    QCOMPARE(pixelAt(shot, 5000, 6240), yellow);
    QCOMPARE(pixelAt(shot, 3000, 6240), yellow);
    QCOMPARE(pixelAt(shot, 6480, 3260), yellow);
    // Beyond the triangle the extensions show in black once drawn.
    const QColor beyondBase = view >= 1 ? black : background;
    QCOMPARE(pixelAt(shot, 2000, 6240), beyondBase);
    QCOMPARE(pixelAt(shot, 9600, 6240), beyondBase);
    const QColor parallel = view >= 2 ? black : background;
    QCOMPARE(pixelAt(shot, 2000, 3240), parallel);
    QCOMPARE(pixelAt(shot, 6000, 3240), parallel);
    QCOMPARE(pixelAt(shot, 7000, 3240), parallel);
    QCOMPARE(pixelAt(shot, 9600, 3240), parallel);

    // The green letters sit between the parallel and the sides.
    const QWidget *greenP = proof->control<QWidget>(QStringLiteral("Label4"), 2);
    const QWidget *greenQ = proof->control<QWidget>(QStringLiteral("Label4"), 4);
    QCOMPARE(showsColour(shot, greenP, Colours::Green), view >= 3);
    QCOMPARE(showsColour(shot, greenQ, Colours::Green), view >= 4);
    QVERIFY(greenP->geometry().top() > twipsToPixels(3240) && greenQ->geometry().top() > twipsToPixels(3240));
    QVERIFY(greenP->geometry().right() < twipsToPixels(6480) && greenQ->geometry().left() > twipsToPixels(6480));
    for (int i : {0, 1, 3})
        QVERIFY(showsColour(shot, proof->control<QWidget>(QStringLiteral("Label4"), i), yellow));
}

void TestProofScreen::labelsDoNotLightUp()
{
    ProofScreen *proof = openProof();
    QVERIFY(proof);
    const QImage before = proof->grab().toImage();
    const auto *step = proof->control<Label>(QStringLiteral("Label5"));
    const auto *link = proof->control<Label>(QStringLiteral("Label2"));
    const bool stepTransparent = step->isTransparent();
    const bool linkTransparent = link->isTransparent();
    QTest::mouseMove(proof->windowHandle(), centreOf(proof, QStringLiteral("Label5")));
    QTest::mouseMove(proof->windowHandle(), centreOf(proof, QStringLiteral("Label2")));
    QTest::mouseMove(proof->windowHandle(), centreOf(proof, QStringLiteral("Label4"), 0));
    QCOMPARE(step->isTransparent(), stepTransparent);
    QCOMPARE(link->isTransparent(), linkTransparent);
    QCOMPARE(proof->grab().toImage(), before);
    QTest::mouseMove(proof->windowHandle(), QPoint(2, 2));
    QCOMPARE(proof->grab().toImage(), before);
}

void TestProofScreen::everyVisitStartsAtTheFirstView()
{
    ProofScreen *proof = openProof();
    QVERIFY(proof);
    const QStringList atLoad = proofState(proof);
    for (int i = 0; i < 4; ++i)
        click(proof, QStringLiteral("Label5"));
    QCOMPARE(proof->proofstep, qint16(4));

    click(proof, QStringLiteral("Label2")); // "Problems Page"
    TestProgram::settle();
    QCOMPARE(m_program->screens().loadedNames(), QStringList{ScreenNames::TriangleProblems});
    Screen *page = m_program->screens().loaded(ScreenNames::TriangleProblems);
    QVERIFY(QTest::qWaitForWindowExposed(page));
    click(page, QStringLiteral("cmdexit"));
    TestProgram::settle();
    Screen *menu = m_program->screens().loaded(ScreenNames::Menu);
    QVERIFY(menu);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    click(menu, QStringLiteral("Label2"), 0); // "The Angles of a Triangle"
    TestProgram::settle();

    QCOMPARE(m_program->screens().loadedNames(), QStringList{ScreenNames::Proof});
    auto *again = m_program->screen<ProofScreen>(ScreenNames::Proof);
    QVERIFY(again);
    QCOMPARE(proofState(again), atLoad);
    click(again, QStringLiteral("Label5"));
    QCOMPARE(again->control<Label>(QStringLiteral("Label3"))->text(), View1);
}

void TestProofScreen::exitGoesBackToTheMenu_data()
{
    QTest::addColumn<bool>("jotterOpen");
    QTest::newRow("jotter closed") << false;
    QTest::newRow("jotter open") << true;
}

void TestProofScreen::exitGoesBackToTheMenu()
{
    QFETCH(bool, jotterOpen);
    ProofScreen *proof = openProof();
    QVERIFY(proof);
    if (jotterOpen)
        m_program->screens().show(ScreenNames::Jotter);
    click(proof, QStringLiteral("cmdexit"));
    TestProgram::settle();
    QCOMPARE(m_program->screens().loadedNames(), QStringList{ScreenNames::Menu});
    QVERIFY(m_program->screens().loaded(ScreenNames::Menu)->isVisible());
}

QTEST_MAIN(TestProofScreen)
#include "tst_proofscreen.moc"
