// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The explorer's wiring and the star it draws, against corners worked out by
// hand (which corners a star's lines join is pinned here alone): the box rules
// are tested without widgets in tst_stellatedrules.
#include "common/twips.h"
#include "controls/textbox.h"
#include "stellated/starexplorer.h"
#include "support/datarow.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QClipboard>
#include <QLineF>
#include <QTest>
#include <algorithm>

namespace {

// The figure's circle, in twips of the window, and corners worked out by hand:
// the pentagon with a level bottom edge, four of the 20 corners.
constexpr QPointF Centre(9000, 4800);
constexpr double Radius = 2250;
const QList<QPointF> Pentagon{{7677.5, 6620.3}, {10322.5, 6620.3}, {11139.9, 4104.7}, {9000, 2550}, {6860.1, 4104.7}};

const auto isYellowish = [](const QColor &c) {
    return c.alpha() > 0 && c.red() > 100 && c.green() > 100 && c.blue() < 100;
};
const auto isDark = [](const QColor &c) { return c.alpha() > 0 && qGray(c.rgb()) < 80; };

// Whether the pixel at a point in twips, or one beside it, has the property.
bool near(const RetainedSurface &surface, QPointF twips, bool (*has)(const QColor &))
{
    for (int d = 0; d < 9; ++d)
        if (has(surface.colourAt(twips + QPointF(d % 3 - 1, d / 3 - 1) * TwipsPerPixel)))
            return true;
    return false;
}

double distance(QPointF p, const QLineF &line)
{
    const QPointF along = line.p2() - line.p1();
    const double t = QPointF::dotProduct(p - line.p1(), along) / QPointF::dotProduct(along, along);
    return QLineF(p, line.pointAt(qBound(0.0, t, 1.0))).length();
}

// Empty if the surface shows the circle, the centre dot and each line; when
// `whole`, also no yellow beyond them. Otherwise what differs.
QString figureMismatch(const RetainedSurface &surface, const QList<QLineF> &lines, bool whole)
{
    QList<QPointF> yellow{Centre}; // the dot, and along each line
    for (const QLineF &line : lines)
        yellow << line.pointAt(0.2) << line.pointAt(0.5) << line.pointAt(0.8);
    for (QPointF at : yellow)
        if (!near(surface, at, isYellowish))
            return QStringLiteral("no yellow at %1").arg(QDebug::toString(at));
    for (QPointF edge : {QPointF(Radius, 0), QPointF(-Radius, 0), QPointF(0, Radius), QPointF(0, -Radius)})
        if (!near(surface, Centre + edge, isDark))
            return QStringLiteral("no circle at %1").arg(QDebug::toString(Centre + edge));
    const QImage &image = surface.image();
    for (int y = 0; whole && y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPointF at = (QPointF(x, y) + QPointF(0.5, 0.5)) / surface.devicePixelRatio() * TwipsPerPixel;
            const auto onLine = [at](const QLineF &line) { return distance(at, line) < 2.5 * TwipsPerPixel; };
            if (isYellowish(image.pixelColor(x, y)) && QLineF(at, Centre).length() >= 2.5 * TwipsPerPixel &&
                std::none_of(lines.cbegin(), lines.cend(), onLine))
                return QStringLiteral("stray yellow at %1").arg(QDebug::toString(at));
        }
    }
    return {};
}

} // namespace

class TestStarExplorer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keys_data()
    {
        QTest::addColumn<int>("in");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        // The figure drawn: these lines and the circle, and when `whole`
        // nothing else; no lines and not whole is a blank surface.
        QTest::addColumn<QList<QLineF>>("lines");
        QTest::addColumn<bool>("whole");
        QList<QLineF> none, pentagram,
            some20{QLineF(8648.0, 7022.3, 10591.0, 6391.0), QLineF(9352.0, 2577.7, 7409.0, 3209.0)};
        for (qsizetype i = 0; i < Pentagon.size(); ++i)
            pentagram += QLineF(Pentagon[i], Pentagon[(i + 2) % Pentagon.size()]);
        addDataRow("Enter: edges capped", 0, Qt::Key_Return, "25|3", "20|3", some20, false);
        addDataRow("keypad Enter: step halved", 1, Qt::Key_Enter, "5|9", "5|2", pentagram, true);
        addDataRow("Enter: no edges, only the circle", 1, Qt::Key_Return, "0|6", "0|-1", none, true);
        // Pasted text reaches the box without the key filter and leaves the
        // figure; typing at the start of a box (Backspace at its end) takes the
        // opening {5/2} away at once; a key the filter stops leaves it.
        addDataRow("Delete", 1, Qt::Key_Delete, "5|7", "5|", none, false);
        addDataRow("Backspace at the end", 1, Qt::Key_Backspace, "5|17", "5|1", none, false);
        // Only digits, Backspace and Enter pass; a digit beyond two characters
        // is not typed but takes the figure away all the same.
        addDataRow("letter", 1, Qt::Key_A, "5|7", "5|7", pentagram, true);
        for (char digit = '0'; digit <= '9'; ++digit)
            QTest::addRow("digit %c", digit) << 0 << Qt::Key(digit) << QStringLiteral("5|7")
                                             << QString(digit + QStringLiteral("5|7")) << none << false;
        for (const Qt::Key key : {Qt::Key_Minus, Qt::Key_Period, Qt::Key_Space, Qt::Key_Escape})
            addDataRow(qPrintable(QKeySequence(key).toString()), 0, key, "5|7", "5|7", pentagram, true);
        addDataRow("third character", 0, Qt::Key_3, "12|7", "12|7", none, false);
        addDataRow("pasted, not filtered", 0, Qt::Key(0), "-.|a ", "-.|a ", pentagram, true);
    }
    void keys()
    {
        QFETCH(int, in);
        QFETCH(Qt::Key, key);
        QFETCH(QString, before);
        QFETCH(QList<QLineF>, lines);
        QFETCH(bool, whole);
        TestProgram program;
        program.random().setValues({0.0, 0.0}); // opens with {5/2}
        QVERIFY((m_explorer = program.open<StarExplorer>(ScreenNames::Explorer)));
        QCOMPARE(QApplication::focusWidget(), box(0));
        for (int i : {1, 0}) {
            QApplication::clipboard()->setText(before.section(u'|', i, i));
            box(i)->setFocus();
            box(i)->selectAll();
            box(i)->paste();
        }
        box(in)->setFocus();
        box(in)->setCursorPosition(key == Qt::Key_Backspace ? int(box(in)->text().size()) : 0);
        if (key == Qt::Key_Delete) { // a real keyboard sends it with the character DEL; QTest without
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QStringLiteral("\x7f"));
            QApplication::sendEvent(box(in), &press);
        } else if (key) { // none: only the pasting
            QTest::keyClick(box(in), key);
        }
        QTEST(box(0)->text() + u'|' + box(1)->text(), "after"); // "edges|step"
        if (whole || !lines.isEmpty())
            QCOMPARE(figureMismatch(m_explorer->drawing(), lines, whole), QString());
        else
            QVERIFY(m_explorer->drawing().isBlank());
        // Only Enter hands the focus to the other box.
        QCOMPARE(QApplication::focusWidget(), box(key == Qt::Key_Return || key == Qt::Key_Enter ? 1 - in : in));
    }

private:
    TextBox *box(int index) const { return m_explorer->control<TextBox>(QStringLiteral("Text2"), index); }

    StarExplorer *m_explorer = nullptr;
};

QTEST_MAIN(TestStarExplorer)
#include "tst_starexplorer.moc"
