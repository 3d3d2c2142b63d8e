// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/screenset.h"
#include "common/colourtable.h"
#include "common/twips.h"
#include "screens/controls.h"
#include "screens/screenregistry.h"
#include "stellated/starexplorer.h"
#include "stellated/starpolygon.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QClipboard>
#include <QScreen>
#include <QTest>
#include <QtMath>
#include <cmath>
#include <memory>

namespace {

bool isYellowish(const QColor &c)
{
    return c.alpha() > 0 && c.red() > 100 && c.green() > 100 && c.blue() < 100;
}

bool isDark(const QColor &c)
{
    return c.alpha() > 0 && c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0);
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

// Whether some pixel within one pixel of `at` (twips) passes `test`.
template<class Test>
bool anyNear(const RetainedSurface &surface, QPointF at, Test test)
{
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (test(surface.colourAt(at + QPointF(dx, dy) * TwipsPerPixel)))
                return true;
        }
    }
    return false;
}

// Checks that the surface holds exactly the circle, the centre dot and the
// segments of {n/k}: every expected stroke is there, and nothing else is.
QString figureMismatch(const RetainedSurface &surface, double n, double k)
{
    const StarPolygon star(n, k);
    const QPointF centre = star.centre() / TwipsPerPixel;
    const double radius = star.radius() / TwipsPerPixel;
    QList<QPair<QPointF, QPointF>> lines;
    for (const StarPolygon::Segment &s : star.segments())
        lines.append({star.vertex(s.from) / TwipsPerPixel, star.vertex(s.to) / TwipsPerPixel});

    const QImage &image = surface.image();
    const qreal ratio = surface.devicePixelRatio();
    constexpr double Slack = 2.0; // pixels: antialiasing and the pen's width
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() == 0)
                continue;
            // The surface puts a whole pixel position at that pixel's centre.
            const QPointF p((x + 0.5) / ratio - 0.5, (y + 0.5) / ratio - 0.5);
            const QPointF d = p - centre;
            const double fromCentre = std::hypot(d.x(), d.y());
            if (std::abs(fromCentre - radius) <= Slack || fromCentre <= Slack)
                continue;
            bool onLine = false;
            for (const auto &[a, b] : lines)
                onLine = onLine || distanceToSegment(p, a, b) <= Slack;
            if (!onLine || !isYellowish(c))
                return QStringLiteral("stray pixel at %1, %2").arg(p.x()).arg(p.y());
        }
    }
    for (const StarPolygon::Segment &s : star.segments()) {
        // A segment of no length leaves no mark.
        if (s.from == s.to)
            continue;
        for (double t : {0.25, 0.5, 0.75}) {
            const QPointF at = star.vertex(s.from) + t * (star.vertex(s.to) - star.vertex(s.from));
            if (!anyNear(surface, at, isYellowish))
                return QStringLiteral("segment %1 to %2 missing").arg(s.from).arg(s.to);
        }
    }
    for (int i = 0; i < 16; ++i) {
        const double angle = i * M_PI / 8 + 0.1;
        const QPointF at = star.centre() + star.radius() * QPointF(std::cos(angle), std::sin(angle));
        if (!anyNear(surface, at, isDark))
            return QStringLiteral("circle missing at angle %1").arg(angle);
    }
    if (!isYellowish(surface.colourAt(star.centre())))
        return QStringLiteral("centre dot missing");
    return {};
}

// Whether the window picture has a yellowish pixel within one pixel of `at` (twips).
bool yellowNearOnWindow(const QImage &window, QPointF at)
{
    const QPointF centre = at / TwipsPerPixel * window.devicePixelRatio();
    const int reach = qCeil(window.devicePixelRatio());
    for (int dx = -reach; dx <= reach; ++dx) {
        for (int dy = -reach; dy <= reach; ++dy) {
            if (isYellowish(window.pixelColor(centre.toPoint() + QPoint(dx, dy))))
                return true;
        }
    }
    return false;
}

} // namespace

class TestStarExplorer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void loadDrawsBeforeTheFirstShow_data();
    void loadDrawsBeforeTheFirstShow();
    void figureSurvivesHidingAndIsOnTheWindow();
    void firstFigureIsTheSameEveryRun();
    void enter_data();
    void enter();
    void furtherEnterKeepsMinusOne();
    void negativeStepDrawsBackwards();
    void keys_data();
    void keys();
    void digitIntoAFullBoxStillClears();
    void enterAlternatesTheBoxes();
    void pastedTextIsReadAsANumber();
    void secondFigureDrawsOverTheFirst();
    void screenshots_data();
    void screenshots();

private:
    StarExplorer *open(QList<double> draws = {0.0, 0.0});
    TextBox *box(int index) const { return m_explorer->control<TextBox>(QStringLiteral("Text2"), index); }
    void type(int index, Qt::Key key, QChar character = {});

    std::unique_ptr<TestProgram> m_program;
    StarExplorer *m_explorer = nullptr;
};

void TestStarExplorer::init()
{
    m_program = std::make_unique<TestProgram>();
}

void TestStarExplorer::cleanup()
{
    m_explorer = nullptr;
    m_program.reset(); // closes every window and settles
}

StarExplorer *TestStarExplorer::open(QList<double> draws)
{
    m_program->random().setValues(std::move(draws));
    m_program->screens().show(ScreenNames::Explorer);
    m_explorer = m_program->screen<StarExplorer>(ScreenNames::Explorer);
    if (m_explorer && !QTest::qWaitForWindowActive(m_explorer))
        qWarning("explorer window not active");
    return m_explorer;
}

void TestStarExplorer::type(int index, Qt::Key key, QChar character)
{
    if (character.isNull())
        QTest::keyClick(box(index), key);
    else
        QTest::keyClick(box(index), character.toLatin1());
}

void TestStarExplorer::loadDrawsBeforeTheFirstShow_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("rPrime");
    QTest::addColumn<QString>("edges");
    QTest::addColumn<QString>("step");

    QTest::newRow("{5/2}") << 0.0 << 0.0 << "5" << "2";
    QTest::newRow("{6/3} becomes {6/ 2}") << 0.15 << 0.7 << "6" << " 2";
    QTest::newRow("{11/6}") << 0.99 << 0.99 << "11" << "6";
}

void TestStarExplorer::loadDrawsBeforeTheFirstShow()
{
    QFETCH(double, r);
    QFETCH(double, rPrime);
    QFETCH(QString, edges);
    QFETCH(QString, step);
    m_program->random().setValues({r, rPrime});
    // Referring to the screen loads it without showing it.
    auto *explorer = qobject_cast<StarExplorer *>(m_program->screens().screen(ScreenNames::Explorer));
    QVERIFY(explorer);
    QVERIFY(!explorer->isVisible());
    // Drawn at the display's full resolution even before the first show.
    QCOMPARE(explorer->drawing().devicePixelRatio(), QGuiApplication::primaryScreen()->devicePixelRatio());
    m_explorer = explorer;
    QCOMPARE(box(0)->text(), edges);
    QCOMPARE(box(1)->text(), step);
    QCOMPARE(figureMismatch(explorer->drawing(), edges.toDouble(), step.toDouble()), QString());
    QCOMPARE(m_program->random().reseeds(), 0);
}

void TestStarExplorer::figureSurvivesHidingAndIsOnTheWindow()
{
    QVERIFY(open({0.0, 0.0}));
    const QImage first = m_explorer->grab().toImage();
    // Vertex 3 of the pentagram is the top of the circle; the middle of
    // segment 0 to 2 lies well inside it.
    const StarPolygon star(5, 2);
    const QPointF mid = (star.vertex(0) + star.vertex(2)) / 2;
    QVERIFY(yellowNearOnWindow(first, mid));
    const QPoint undrawn = (QPointF(9000, 3700) / TwipsPerPixel * first.devicePixelRatio()).toPoint(); // inside the star
    QCOMPARE(first.pixelColor(undrawn), Colours::StyledWindow);

    m_explorer->hide();
    QVERIFY(!m_explorer->isVisible());
    m_explorer->show();
    // The figure's square, away from the boxes and their blinking cursor.
    const QRect square(QPoint(6700, 2500) / TwipsPerPixel, QPoint(11300, 7100) / TwipsPerPixel);
    const QImage again = m_explorer->grab(square).toImage();
    QCOMPARE(again, first.copy(QRect(square.topLeft() * first.devicePixelRatio(), square.size() * first.devicePixelRatio())));
    QCOMPARE(figureMismatch(m_explorer->drawing(), 5, 2), QString());
}

void TestStarExplorer::firstFigureIsTheSameEveryRun()
{
    // Two runs of the program, each with the generator in its start-up
    // state and a clock that never reads the same twice.
    QStringList firstPairs;
    for (int run = 0; run < 2; ++run) {
        double seconds = 1000 + run * 777.7;
        ClockSeededRandom random([&seconds] { return seconds += 3.3; });
        Program program(random);
        registerProgramScreens(program.screens());
        auto *explorer = qobject_cast<StarExplorer *>(program.screens().screen(ScreenNames::Explorer));
        QVERIFY(explorer);
        firstPairs.append(explorer->control<TextBox>(QStringLiteral("Text2"), 0)->text() + u'/'
                          + explorer->control<TextBox>(QStringLiteral("Text2"), 1)->text());
        program.screens().unload(ScreenNames::Explorer);
        TestProgram::settle();
    }
    QCOMPARE(firstPairs.at(0), firstPairs.at(1));
}

void TestStarExplorer::enter_data()
{
    QTest::addColumn<int>("in");
    QTest::addColumn<QString>("edges");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("edgesAfter");
    QTest::addColumn<QString>("stepAfter");
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("k");

    QTest::newRow("25 and 3") << 0 << "25" << "3" << "20" << "3" << 20.0 << 3.0;
    QTest::newRow("8 and 4") << 1 << "8" << "4" << "8" << " 3" << 8.0 << 3.0;
    QTest::newRow("8 and 9") << 0 << "8" << "9" << "8" << " 3" << 8.0 << 3.0;
    QTest::newRow("7 and 7") << 1 << "7" << "7" << "7" << "3" << 7.0 << 3.0;
    QTest::newRow("7 and 5 draws {7/2}") << 0 << "7" << "5" << "7" << "5" << 7.0 << 2.0;
    QTest::newRow("0 and a step") << 1 << "0" << "6" << "0" << "-1" << 0.0 << -1.0;
    QTest::newRow("empty edges") << 0 << "" << "4" << "" << "-1" << 0.0 << -1.0;
    QTest::newRow("2 and 1") << 1 << "2" << "1" << "2" << " 0" << 2.0 << 0.0;
    QTest::newRow("1 and 5") << 0 << "1" << "5" << "1" << "0" << 1.0 << 0.0;
    QTest::newRow("99 and 99") << 1 << "99" << "99" << "20" << " 9" << 20.0 << 9.0;
    QTest::newRow("9 and 3: compound") << 0 << "9" << "3" << "9" << "3" << 9.0 << 3.0;
    QTest::newRow("6 and 2: compound") << 1 << "6" << "2" << "6" << "2" << 6.0 << 2.0;
    QTest::newRow("20 and 7") << 0 << "20" << "7" << "20" << "7" << 20.0 << 7.0;
}

void TestStarExplorer::enter()
{
    QFETCH(int, in);
    QFETCH(QString, edges);
    QFETCH(QString, step);
    QFETCH(QString, edgesAfter);
    QFETCH(QString, stepAfter);
    QFETCH(double, n);
    QFETCH(double, k);

    QVERIFY(open());
    box(0)->setText(edges);
    box(1)->setText(step);
    box(in)->setFocus();
    QCOMPARE(QApplication::focusWidget(), box(in));
    QTest::keyClick(box(in), Qt::Key_Return);

    QCOMPARE(box(0)->text(), edgesAfter);
    QCOMPARE(box(1)->text(), stepAfter);
    QCOMPARE(figureMismatch(m_explorer->drawing(), n, k), QString());
    QCOMPARE(QApplication::focusWidget(), box(1 - in));
}

void TestStarExplorer::furtherEnterKeepsMinusOne()
{
    QVERIFY(open());
    box(0)->setText(QStringLiteral("0"));
    box(0)->setFocus();
    QTest::keyClick(box(0), Qt::Key_Return);
    QCOMPARE(box(1)->text(), QStringLiteral("-1"));
    QTest::keyClick(box(1), Qt::Key_Return);
    QCOMPARE(box(0)->text(), QStringLiteral("0"));
    QCOMPARE(box(1)->text(), QStringLiteral("-1"));
    QCOMPARE(figureMismatch(m_explorer->drawing(), 0, 0), QString());
}

void TestStarExplorer::negativeStepDrawsBackwards()
{
    // "-1" left by an Enter with no edges, then edges typed: the step runs
    // backwards round the circle, one vertex back: the convex polygon.
    QVERIFY(open());
    box(0)->setText(QStringLiteral("0"));
    box(0)->setFocus();
    QTest::keyClick(box(0), Qt::Key_Return);
    box(0)->setFocus();
    box(0)->clear();
    QTest::keyClicks(box(0), QStringLiteral("5"));
    QTest::keyClick(box(0), Qt::Key_Return);
    QCOMPARE(box(1)->text(), QStringLiteral("-1"));
    QCOMPARE(figureMismatch(m_explorer->drawing(), 5, 1), QString());
}

void TestStarExplorer::keys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QChar>("character");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("textAfter");
    QTest::addColumn<bool>("clears");

    // The box holds "7" before each key.
    QTest::newRow("digit") << Qt::Key_3 << QChar(u'3') << 1 << "73" << true;
    QTest::newRow("digit before") << Qt::Key_3 << QChar(u'3') << 0 << "37" << true;
    QTest::newRow("Backspace") << Qt::Key_Backspace << QChar() << 1 << "" << true;
    QTest::newRow("Backspace with nothing before") << Qt::Key_Backspace << QChar() << 0 << "7" << true;
    QTest::newRow("Delete") << Qt::Key_Delete << QChar() << 0 << "" << true;
    QTest::newRow("Delete with nothing after") << Qt::Key_Delete << QChar() << 1 << "7" << true;
    QTest::newRow("letter") << Qt::Key_A << QChar(u'a') << 1 << "7" << false;
    QTest::newRow("space") << Qt::Key_Space << QChar(u' ') << 1 << "7" << false;
    QTest::newRow("minus") << Qt::Key_Minus << QChar(u'-') << 0 << "7" << false;
    QTest::newRow("full stop") << Qt::Key_Period << QChar(u'.') << 1 << "7" << false;
    QTest::newRow("Escape") << Qt::Key_Escape << QChar() << 1 << "7" << false;
    QTest::newRow("left arrow") << Qt::Key_Left << QChar() << 1 << "7" << false;
    QTest::newRow("Home") << Qt::Key_Home << QChar() << 1 << "7" << false;
    QTest::newRow("End") << Qt::Key_End << QChar() << 0 << "7" << false;
}

void TestStarExplorer::keys()
{
    QFETCH(Qt::Key, key);
    QFETCH(QChar, character);
    QFETCH(int, cursor);
    QFETCH(QString, textAfter);
    QFETCH(bool, clears);

    QVERIFY(open());
    box(1)->setText(QStringLiteral("7"));
    box(1)->setFocus();
    box(1)->setCursorPosition(cursor);
    QVERIFY(!m_explorer->drawing().isBlank());
    type(1, key, character);
    QCOMPARE(box(1)->text(), textAfter);
    QCOMPARE(m_explorer->drawing().isBlank(), clears);
    if (!clears)
        QCOMPARE(figureMismatch(m_explorer->drawing(), 5, 2), QString());
    // Only Enter moves the focus.
    QCOMPARE(QApplication::focusWidget(), box(1));
}

void TestStarExplorer::digitIntoAFullBoxStillClears()
{
    QVERIFY(open());
    box(0)->setFocus();
    box(0)->setText(QStringLiteral("12"));
    box(0)->deselect();
    QTest::keyClick(box(0), '3');
    QCOMPARE(box(0)->text(), QStringLiteral("12"));
    QVERIFY(m_explorer->drawing().isBlank());
    // Nothing is drawn again until Enter.
    QTest::keyClick(box(0), Qt::Key_Left);
    QVERIFY(m_explorer->drawing().isBlank());
    QTest::keyClick(box(0), Qt::Key_Enter); // the keypad's Enter
    QCOMPARE(figureMismatch(m_explorer->drawing(), 12, 2), QString());
}

void TestStarExplorer::enterAlternatesTheBoxes()
{
    QVERIFY(open());
    // The first box in the Tab order has the focus when the page opens, and
    // Tab keeps its usual role.
    QCOMPARE(QApplication::focusWidget(), box(0));
    QTest::keyClick(box(0), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box(1));
    QVERIFY(!m_explorer->drawing().isBlank());
    // Tab passes the "Problems Page" link on its way round.
    QTest::keyClick(box(1), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_explorer->control<Label>(QStringLiteral("Label2"), 0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box(0));

    for (int press = 0; press < 5; ++press) {
        QWidget *from = QApplication::focusWidget();
        QTest::keyClick(from, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), press % 2 == 0 ? box(1) : box(0));
        QCOMPARE(figureMismatch(m_explorer->drawing(), 5, 2), QString());
    }
}

void TestStarExplorer::pastedTextIsReadAsANumber()
{
    QVERIFY(open());
    QApplication::clipboard()->setText(QStringLiteral("x9"));
    box(0)->setFocus();
    box(0)->selectAll();
    box(0)->paste();
    QCOMPARE(box(0)->text(), QStringLiteral("x9"));
    // Pasting is not typing: the figure stays until a key clears it.
    QVERIFY(!m_explorer->drawing().isBlank());
    QTest::keyClick(box(0), Qt::Key_Return);
    QCOMPARE(box(0)->text(), QStringLiteral("x9"));
    QCOMPARE(box(1)->text(), QStringLiteral("-1"));
    QCOMPARE(figureMismatch(m_explorer->drawing(), 0, -1), QString());
}

void TestStarExplorer::secondFigureDrawsOverTheFirst()
{
    QVERIFY(open());
    box(0)->setText(QStringLiteral("6"));
    box(1)->setText(QStringLiteral("1"));
    m_explorer->drawstell();
    // Both figures: a pentagram segment and a hexagon edge.
    const StarPolygon pentagram(5, 2);
    const StarPolygon hexagon(6, 1);
    QVERIFY(anyNear(m_explorer->drawing(), (pentagram.vertex(0) + pentagram.vertex(2)) / 2, isYellowish));
    QVERIFY(anyNear(m_explorer->drawing(), (hexagon.vertex(1) + hexagon.vertex(2)) / 2, isYellowish));
    QVERIFY(!figureMismatch(m_explorer->drawing(), 6, 1).isEmpty());
}

void TestStarExplorer::screenshots_data()
{
    QTest::addColumn<QString>("edges");
    QTest::addColumn<QString>("step");
    QTest::newRow("5-2") << "5" << "2";
    QTest::newRow("8-3") << "8" << "3";
    QTest::newRow("9-3") << "9" << "3";
    QTest::newRow("20-7") << "20" << "7";
}

void TestStarExplorer::screenshots()
{
    // The window as the pupil sees it after Enter; written out for a look
    // when VERTEXA_SCREENSHOTS names a folder.
    QFETCH(QString, edges);
    QFETCH(QString, step);
    QVERIFY(open());
    box(0)->setText(edges);
    box(1)->setText(step);
    box(1)->setFocus();
    QTest::keyClick(box(1), Qt::Key_Return);
    const QImage shot = m_explorer->grab().toImage();
    const StarPolygon star(edges.toDouble(), step.toDouble());
    const StarPolygon::Segment s = star.segments().first();
    QVERIFY(yellowNearOnWindow(shot, (star.vertex(s.from) + star.vertex(s.to)) / 2));
    const QString folder = qEnvironmentVariable("VERTEXA_SCREENSHOTS");
    if (!folder.isEmpty())
        QVERIFY(shot.save(folder + QStringLiteral("/star2-%1.png").arg(QLatin1String(QTest::currentDataTag()))));
}

QTEST_MAIN(TestStarExplorer)
#include "tst_starexplorer.moc"
