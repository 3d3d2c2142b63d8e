// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The explorer's wiring: the box rules and the star's geometry are tested
// without widgets in tst_stellatedrules.
#include "common/twips.h"
#include "controls/textbox.h"
#include "stellated/starexplorer.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QClipboard>
#include <QLineF>
#include <QTest>

namespace {

// The figure's circle, in twips of the window, and corners worked out by hand:
// the pentagon and octagon with a level bottom edge, four of the 20 corners.
constexpr QPointF Centre(9000, 4800);
constexpr double Radius = 2250;
const QList<QPointF> Pentagon{{7677.5, 6620.3}, {10322.5, 6620.3}, {11139.9, 4104.7}, {9000, 2550}, {6860.1, 4104.7}};
const QList<QPointF> Octagon{{8139.0, 6878.7},
                             {9861.0, 6878.7},
                             {11078.7, 5661.0},
                             {11078.7, 3939.0},
                             {9861.0, 2721.3},
                             {8139.0, 2721.3},
                             {6921.3, 3939.0},
                             {6921.3, 5661.0}};

// Each corner of `corners` joined to the one `step` further on.
QList<QLineF> star(const QList<QPointF> &corners, int step)
{
    QList<QLineF> lines;
    for (qsizetype i = 0; i < corners.size(); ++i)
        lines += QLineF(corners[i], corners[(i + step) % corners.size()]);
    return lines;
}

bool isYellowish(const QColor &c)
{
    return c.alpha() > 0 && c.red() > 100 && c.green() > 100 && c.blue() < 100;
}

// Whether the pixel at a point in twips, or one beside it, has the property.
template<class Property>
bool near(const RetainedSurface &surface, QPointF twips, Property has)
{
    for (int d = 0; d < 9; ++d)
        if (has(surface.colourAt(twips + QPointF(d % 3 - 1, d / 3 - 1) * TwipsPerPixel)))
            return true;
    return false;
}

double distance(QPointF p, const QLineF &line)
{
    const QPointF along = line.p2() - line.p1();
    const double length2 = QPointF::dotProduct(along, along);
    const double t = length2 > 0 ? qBound(0.0, QPointF::dotProduct(p - line.p1(), along) / length2, 1.0) : 0.0;
    const QPointF gap = p - line.pointAt(t);
    return std::hypot(gap.x(), gap.y());
}

// Empty if the surface shows the circle, the centre dot and each line; when
// `whole`, also no yellow beyond them. Otherwise what differs.
QString figureMismatch(const RetainedSurface &surface, const QList<QLineF> &lines, bool whole)
{
    const auto yellow = [](const QColor &c) { return isYellowish(c); };
    for (const QLineF &line : lines) {
        for (double t : {0.2, 0.5, 0.8})
            if (!near(surface, line.pointAt(t), yellow))
                return QStringLiteral("no line at %1").arg(QDebug::toString(line.pointAt(t)));
    }
    if (!near(surface, Centre, yellow))
        return QStringLiteral("centre dot missing");
    for (QPointF edge : {QPointF(Radius, 0), QPointF(-Radius, 0), QPointF(0, Radius), QPointF(0, -Radius)})
        if (!near(surface, Centre + edge, [](const QColor &c) { return c.alpha() > 0 && qGray(c.rgb()) < 80; }))
            return QStringLiteral("no circle at %1").arg(QDebug::toString(Centre + edge));
    const QImage &image = surface.image();
    for (int y = 0; whole && y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!isYellowish(image.pixelColor(x, y)))
                continue;
            const QPointF at = (QPointF(x, y) + QPointF(0.5, 0.5)) / surface.devicePixelRatio() * TwipsPerPixel;
            bool explained = QLineF(at, Centre).length() < 2.5 * TwipsPerPixel;
            for (const QLineF &line : lines)
                explained = explained || distance(at, line) < 2.5 * TwipsPerPixel;
            if (!explained)
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
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("drawn"); // else the surface is blank
        QTest::addColumn<QList<QLineF>>("lines");
        QTest::addColumn<bool>("whole"); // the lines are the whole figure
        const auto row = [](const char *name, int in, int key, const char *before, const char *after) {
            return &(QTest::newRow(name) << in << key << QString::fromLatin1(before) << QString::fromLatin1(after));
        };
        const QList<QLineF> some20{QLineF(8648.0, 7022.3, 10591.0, 6391.0), QLineF(9352.0, 2577.7, 7409.0, 3209.0)};
        *row("Enter: edges capped", 0, Qt::Key_Return, "25|3", "20|3") << true << some20 << false;
        *row("keypad Enter: step rewritten", 1, Qt::Key_Enter, "8|9", "8| 3") << true << star(Octagon, 3) << true;
        *row("Enter: no edges, only the circle", 1, Qt::Key_Return, "0|6", "0|-1") << true << QList<QLineF>() << true;
        // Pasted text reaches the box without the key filter and leaves the
        // figure; typing at the start of a box (Backspace at its end) takes the
        // opening {5/2} away at once; a key the filter stops leaves it.
        *row("digit", 1, Qt::Key_3, "5|7", "5|37") << false << QList<QLineF>() << false;
        *row("Delete", 1, Qt::Key_Delete, "5|7", "5|") << false << QList<QLineF>() << false;
        *row("Backspace at the end", 1, Qt::Key_Backspace, "5|17", "5|1") << false << QList<QLineF>() << false;
        // Only digits, Backspace and Enter pass; a digit beyond two characters
        // is not typed but takes the figure away all the same.
        *row("letter", 1, Qt::Key_A, "5|7", "5|7") << true << star(Pentagon, 2) << true;
        for (char digit = '0'; digit <= '9'; ++digit)
            *row(qPrintable(QStringLiteral("digit %1").arg(digit)),
                 0,
                 digit,
                 "5|7",
                 qPrintable(digit + QStringLiteral("5|7")))
                << false << QList<QLineF>() << false;
        for (const auto &[name, key] : {std::pair("minus", Qt::Key_Minus),
                                        {"point", Qt::Key_Period},
                                        {"space", Qt::Key_Space},
                                        {"Escape", Qt::Key_Escape}})
            *row(name, 0, key, "5|7", "5|7") << true << star(Pentagon, 2) << true;
        *row("third character", 0, Qt::Key_3, "12|7", "12|7") << false << QList<QLineF>() << false;
        *row("pasted, not filtered", 0, 0, "-.|a ", "-.|a ") << true << star(Pentagon, 2) << true;
    }
    void keys()
    {
        QFETCH(int, in);
        QFETCH(int, key);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, drawn);
        QFETCH(QList<QLineF>, lines);
        QFETCH(bool, whole);
        TestProgram program;
        program.random().setValues({0.0, 0.0}); // opens with {5/2}
        QVERIFY((m_explorer = program.open<StarExplorer>(ScreenNames::Explorer)));
        QCOMPARE(QApplication::focusWidget(), box(0));
        // The page never re-seeds, so every run opens with the same figure.
        QCOMPARE(program.random().reseeds(), 0);
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
            QTest::keyClick(box(in), Qt::Key(key));
        }
        QCOMPARE(shown(), after);
        if (drawn)
            QCOMPARE(figureMismatch(m_explorer->drawing(), lines, whole), QString());
        else
            QVERIFY(m_explorer->drawing().isBlank());
        // Only Enter hands the focus to the other box.
        QCOMPARE(QApplication::focusWidget(), box(key == Qt::Key_Return || key == Qt::Key_Enter ? 1 - in : in));
    }

private:
    TextBox *box(int index) const { return m_explorer->control<TextBox>(QStringLiteral("Text2"), index); }
    QString shown() const { return box(0)->text() + u'|' + box(1)->text(); } // "edges|step"

    StarExplorer *m_explorer = nullptr;
};

QTEST_MAIN(TestStarExplorer)
#include "tst_starexplorer.moc"
