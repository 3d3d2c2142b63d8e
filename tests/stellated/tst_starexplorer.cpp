// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The explorer's wiring: the box rules and the star's geometry are tested
// without widgets in tst_explorerrules and tst_starpolygon.
#include "common/twips.h"
#include "screens/controls.h"
#include "stellated/starexplorer.h"
#include "stellated/starpolygon.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QClipboard>
#include <QScreen>
#include <QTest>
#include <cmath>

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
            const double fromCentre = std::hypot(p.x() - centre.x(), p.y() - centre.y());
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
        for (double t : {0.25, 0.5, 0.75}) {
            const QPointF at = star.vertex(s.from) + t * (star.vertex(s.to) - star.vertex(s.from));
            if (s.from != s.to && !anyNear(surface, at, isYellowish))
                return QStringLiteral("segment %1 to %2 missing").arg(s.from).arg(s.to);
        }
    }
    for (int i = 0; i < 16; ++i) {
        const double angle = i * M_PI / 8 + 0.1;
        if (!anyNear(surface, star.centre() + star.radius() * QPointF(std::cos(angle), std::sin(angle)), isDark))
            return QStringLiteral("circle missing at angle %1").arg(angle);
    }
    if (!isYellowish(surface.colourAt(star.centre())))
        return QStringLiteral("centre dot missing");
    return {};
}

} // namespace

class TestStarExplorer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup() { m_explorer = nullptr; m_program.reset(); }

    void loadDrawsBeforeTheFirstShow();
    void enter_data();
    void enter();
    void keys_data();
    void keys();
    void pastingIsNotTyping();

private:
    bool open()
    {
        m_program->random().setValues({0.0, 0.0}); // opens with {5/2}
        m_program->screens().show(ScreenNames::Explorer);
        m_explorer = m_program->screen<StarExplorer>(ScreenNames::Explorer);
        return m_explorer && QTest::qWaitForWindowActive(m_explorer);
    }
    TextBox *box(int index) const { return m_explorer->control<TextBox>(QStringLiteral("Text2"), index); }

    std::unique_ptr<TestProgram> m_program;
    StarExplorer *m_explorer = nullptr;
};

void TestStarExplorer::loadDrawsBeforeTheFirstShow()
{
    m_program->random().setValues({0.15, 0.7}); // {6/3}, written {6/ 2}
    // Referring to the screen loads it without showing it.
    m_explorer = qobject_cast<StarExplorer *>(m_program->screens().screen(ScreenNames::Explorer));
    QVERIFY(m_explorer && !m_explorer->isVisible());
    // Drawn at the display's full resolution even before the first show.
    QCOMPARE(m_explorer->drawing().devicePixelRatio(), QGuiApplication::primaryScreen()->devicePixelRatio());
    QCOMPARE(box(0)->text(), QStringLiteral("6"));
    QCOMPARE(box(1)->text(), QStringLiteral(" 2"));
    QCOMPARE(figureMismatch(m_explorer->drawing(), 6, 2), QString());
    // The page never re-seeds, so every run opens with the same figure.
    QCOMPARE(m_program->random().reseeds(), 0);
}

void TestStarExplorer::enter_data()
{
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("edges capped") << 0 << int(Qt::Key_Return) << "25|3" << "20|3";
    QTest::newRow("step rewritten, keypad Enter") << 1 << int(Qt::Key_Enter) << "8|9" << "8| 3";
    QTest::newRow("compound, nothing rewritten") << 0 << int(Qt::Key_Return) << "9|3" << "9|3";
    QTest::newRow("no edges: only the circle") << 1 << int(Qt::Key_Return) << "0|6" << "0|-1";
}

void TestStarExplorer::enter()
{
    QFETCH(int, in);
    QFETCH(int, key);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QVERIFY(open());
    QCOMPARE(QApplication::focusWidget(), box(0));
    box(0)->setText(before.section(u'|', 0, 0));
    box(1)->setText(before.section(u'|', 1));
    box(in)->setFocus();
    QTest::keyClick(box(in), Qt::Key(key));

    QCOMPARE(box(0)->text() + u'|' + box(1)->text(), after);
    QCOMPARE(figureMismatch(m_explorer->drawing(), box(0)->text().toDouble(), box(1)->text().toDouble()), QString());
    // Enter hands the focus to the other box.
    QCOMPARE(QApplication::focusWidget(), box(1 - in));
    const QString folder = qEnvironmentVariable("VERTEXA_SCREENSHOTS"); // for a person to look at
    if (!folder.isEmpty())
        m_explorer->grab().save(folder + QStringLiteral("/star2-%1.png").arg(after).replace(u'|', u'-').remove(u' '));
}

void TestStarExplorer::keys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("textAfter");
    QTest::addColumn<bool>("clears");

    QTest::newRow("digit") << "7" << 1 << int(Qt::Key_3) << "73" << true;
    QTest::newRow("digit into a full box") << "12" << 2 << int(Qt::Key_3) << "12" << true;
    QTest::newRow("Backspace") << "7" << 1 << int(Qt::Key_Backspace) << "" << true;
    QTest::newRow("Delete") << "7" << 0 << int(Qt::Key_Delete) << "" << true;
    QTest::newRow("letter") << "7" << 1 << int(Qt::Key_A) << "7" << false;
    QTest::newRow("left arrow") << "7" << 1 << int(Qt::Key_Left) << "7" << false;
}

void TestStarExplorer::keys()
{
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(int, key);
    QFETCH(QString, textAfter);
    QFETCH(bool, clears);
    QVERIFY(open());
    box(1)->setText(text);
    box(1)->setFocus();
    box(1)->setCursorPosition(cursor);
    QTest::keyClick(box(1), Qt::Key(key));
    QCOMPARE(box(1)->text(), textAfter);
    // The figure goes at once; only Enter draws it again.
    QCOMPARE(m_explorer->drawing().isBlank(), clears);
    if (!clears)
        QCOMPARE(figureMismatch(m_explorer->drawing(), 5, 2), QString());
    QCOMPARE(QApplication::focusWidget(), box(1));
}

void TestStarExplorer::pastingIsNotTyping()
{
    QVERIFY(open());
    QApplication::clipboard()->setText(QStringLiteral("x9"));
    box(0)->setFocus();
    box(0)->selectAll();
    box(0)->paste();
    QCOMPARE(box(0)->text(), QStringLiteral("x9"));
    QVERIFY(!m_explorer->drawing().isBlank());
    // Enter reads it by the leading-number rule: no edges.
    QTest::keyClick(box(0), Qt::Key_Return);
    QCOMPARE(box(1)->text(), QStringLiteral("-1"));
    QCOMPARE(figureMismatch(m_explorer->drawing(), 0, -1), QString());
}

QTEST_MAIN(TestStarExplorer)
#include "tst_starexplorer.moc"
