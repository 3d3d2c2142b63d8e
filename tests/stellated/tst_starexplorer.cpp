// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The explorer's wiring: the box rules and the star's geometry are tested
// without widgets in tst_stellatedrules.
#include "common/twips.h"
#include "screens/textbox.h"
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
    return QLineF(p, a + t * ab).length();
}

// Whether some pixel within one pixel of `at` (twips) passes `test`.
bool anyNear(const RetainedSurface &surface, QPointF at, bool (*test)(const QColor &))
{
    for (int d = 0; d < 9; ++d) {
        if (test(surface.colourAt(at + QPointF(d % 3 - 1, d / 3 - 1) * TwipsPerPixel)))
            return true;
    }
    return false;
}

// Checks that the surface holds exactly the circle, the centre dot and the
// segments of {n/k}, given as "n|k": every expected stroke is there, and nothing else is.
QString figureMismatch(const RetainedSurface &surface, const QString &figure)
{
    const StarPolygon star(figure.section(u'|', 0, 0).toDouble(), figure.section(u'|', 1).toDouble());
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
            // The surface puts a whole pixel position at that pixel's centre.
            const QPointF p((x + 0.5) / ratio - 0.5, (y + 0.5) / ratio - 0.5);
            const double fromCentre = QLineF(p, centre).length();
            if (c.alpha() == 0 || std::abs(fromCentre - radius) <= Slack || fromCentre <= Slack)
                continue;
            const auto onLine = [&p](const auto &line) {
                return distanceToSegment(p, line.first, line.second) <= Slack;
            };
            if (!isYellowish(c) || std::none_of(lines.cbegin(), lines.cend(), onLine))
                return QStringLiteral("stray pixel at %1, %2").arg(p.x()).arg(p.y());
        }
    }
    for (const auto &[a, b] : lines) {
        // A segment of no length leaves no mark.
        for (double t : {0.25, 0.5, 0.75}) {
            if (a != b && !anyNear(surface, (a + t * (b - a)) * TwipsPerPixel, isYellowish))
                return QStringLiteral("segment %1, %2 to %3, %4 missing").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y());
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
    void cleanup() { m_program.reset(); }

    void loadDrawsBeforeTheFirstShow()
    {
        m_program->random().setValues({0.15, 0.7}); // {6/3}, written {6/ 2}
        // Referring to the screen loads it without showing it.
        m_explorer = qobject_cast<StarExplorer *>(m_program->screens().screen(ScreenNames::Explorer));
        QVERIFY(m_explorer && !m_explorer->isVisible());
        // Drawn at the display's full resolution even before the first show.
        QCOMPARE(m_explorer->drawing().devicePixelRatio(), QGuiApplication::primaryScreen()->devicePixelRatio());
        QCOMPARE(shown(), QStringLiteral("6| 2"));
        QCOMPARE(figureMismatch(m_explorer->drawing(), QStringLiteral("6|2")), QString());
        // The page never re-seeds, so every run opens with the same figure.
        QCOMPARE(m_program->random().reseeds(), 0);
    }

    void keys_data()
    {
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("figure"); // "n|k" drawn, or blank
        const int enter = Qt::Key_Return;
        QTest::newRow("Enter: edges capped") << 0 << enter << "25|3"
                                             << "20|3"
                                             << "20|3";
        QTest::newRow("keypad Enter: step rewritten") << 1 << int(Qt::Key_Enter) << "8|9"
                                                      << "8| 3"
                                                      << "8|3";
        QTest::newRow("Enter: compound, nothing rewritten") << 0 << enter << "9|3"
                                                            << "9|3"
                                                            << "9|3";
        QTest::newRow("Enter: no edges, only the circle") << 1 << enter << "0|6"
                                                          << "0|-1"
                                                          << "0|-1";
        // Pasted text reaches the box without the key filter; Enter reads it
        // by the leading-number rule.
        QTest::newRow("Enter: pasted letters") << 0 << enter << "x9|3"
                                               << "x9|-1"
                                               << "0|-1";
        // Typing at the start of a box takes the opening {5/2} away at once; a
        // key the filter stops leaves it.
        QTest::newRow("digit") << 1 << int(Qt::Key_3) << "5|7"
                               << "5|37"
                               << "";
        QTest::newRow("digit into a full box") << 1 << int(Qt::Key_3) << "5|12"
                                               << "5|12"
                                               << "";
        QTest::newRow("Delete") << 1 << int(Qt::Key_Delete) << "5|7"
                                << "5|"
                                << "";
        QTest::newRow("letter") << 1 << int(Qt::Key_A) << "5|7"
                                << "5|7"
                                << "5|2";
        QTest::newRow("left arrow") << 0 << int(Qt::Key_Left) << "5|7"
                                    << "5|7"
                                    << "5|2";
    }
    void keys()
    {
        QFETCH(int, in);
        QFETCH(int, key);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, figure);
        QVERIFY(open());
        QCOMPARE(QApplication::focusWidget(), box(0));
        for (int i : {1, 0}) {
            QApplication::clipboard()->setText(before.section(u'|', i, i));
            box(i)->setFocus();
            box(i)->selectAll();
            box(i)->paste();
        }
        // Pasting is not typing: the figure stays.
        QVERIFY(!m_explorer->drawing().isBlank());
        box(in)->setFocus();
        box(in)->setCursorPosition(0);
        QTest::keyClick(box(in), Qt::Key(key));
        QCOMPARE(shown(), after);
        if (figure.isEmpty())
            QVERIFY(m_explorer->drawing().isBlank());
        else
            QCOMPARE(figureMismatch(m_explorer->drawing(), figure), QString());
        // Only Enter hands the focus to the other box.
        QCOMPARE(QApplication::focusWidget(), box(key == Qt::Key_Return || key == Qt::Key_Enter ? 1 - in : in));
    }

private:
    bool open()
    {
        m_program->random().setValues({0.0, 0.0}); // opens with {5/2}
        m_program->screens().show(ScreenNames::Explorer);
        m_explorer = m_program->screen<StarExplorer>(ScreenNames::Explorer);
        return m_explorer && QTest::qWaitForWindowActive(m_explorer);
    }
    TextBox *box(int index) const { return m_explorer->control<TextBox>(QStringLiteral("Text2"), index); }
    QString shown() const { return box(0)->text() + u'|' + box(1)->text(); } // "edges|step"

    std::unique_ptr<TestProgram> m_program;
    StarExplorer *m_explorer = nullptr;
};

QTEST_MAIN(TestStarExplorer)
#include "tst_starexplorer.moc"
