// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The explorer's wiring: the box rules and the star's geometry are tested
// without widgets in tst_stellatedrules.
#include "common/twips.h"
#include "controls/textbox.h"
#include "stellated/starexplorer.h"
#include "stellated/starpolygon.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

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
        QTest::addColumn<QString>("figure"); // "n|k" drawn, or blank
        const auto row =
            [](const char *name, int in, int key, const char *before, const char *after, const char *figure) {
                QTest::newRow(name) << in << key << QString::fromLatin1(before) << QString::fromLatin1(after)
                                    << QString::fromLatin1(figure);
            };
        row("Enter: edges capped", 0, Qt::Key_Return, "25|3", "20|3", "20|3");
        row("keypad Enter: step rewritten", 1, Qt::Key_Enter, "8|9", "8| 3", "8|3");
        row("Enter: no edges, only the circle", 1, Qt::Key_Return, "0|6", "0|-1", "0|-1");
        // Pasted text reaches the box without the key filter and leaves the
        // figure; typing at the start of a box (Backspace at its end) takes the
        // opening {5/2} away at once; a key the filter stops leaves it.
        row("digit", 1, Qt::Key_3, "5|7", "5|37", "");
        row("Delete", 1, Qt::Key_Delete, "5|7", "5|", "");
        row("Backspace at the end", 1, Qt::Key_Backspace, "5|17", "5|1", "");
        row("letter", 1, Qt::Key_A, "5|7", "5|7", "5|2");
    }
    void keys()
    {
        QFETCH(int, in);
        QFETCH(int, key);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, figure);
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
        } else {
            QTest::keyClick(box(in), Qt::Key(key));
        }
        QCOMPARE(shown(), after);
        if (figure.isEmpty())
            QVERIFY(m_explorer->drawing().isBlank());
        else
            QCOMPARE(figureMismatch(m_explorer->drawing(), figure), QString());
        // Only Enter hands the focus to the other box.
        QCOMPARE(QApplication::focusWidget(), box(key == Qt::Key_Return || key == Qt::Key_Enter ? 1 - in : in));
    }

private:
    static bool isYellowish(const QColor &c) { return c.red() > 100 && c.green() > 100 && c.blue() < 100; }
    // Checks that the surface holds the centre dot and every segment of {n/k},
    // given as "n|k"; the star's geometry itself is pinned in tst_stellatedrules.
    static QString figureMismatch(const RetainedSurface &surface, const QString &figure)
    {
        const StarPolygon star(figure.section(u'|', 0, 0).toDouble(), figure.section(u'|', 1).toDouble());
        for (const StarPolygon::Segment &s : star.segments()) {
            const QPointF a = star.vertex(s.from), b = star.vertex(s.to);
            // A segment of no length leaves no mark.
            bool marked = a == b;
            for (int d = 0; d < 9 && !marked; ++d)
                marked = isYellowish(surface.colourAt((a + b) / 2 + QPointF(d % 3 - 1, d / 3 - 1) * TwipsPerPixel));
            if (!marked)
                return QStringLiteral("segment %1-%2 missing").arg(s.from).arg(s.to);
        }
        return isYellowish(surface.colourAt(star.centre())) ? QString() : QStringLiteral("centre dot missing");
    }
    TextBox *box(int index) const { return m_explorer->control<TextBox>(QStringLiteral("Text2"), index); }
    QString shown() const { return box(0)->text() + u'|' + box(1)->text(); } // "edges|step"

    StarExplorer *m_explorer = nullptr;
};

QTEST_MAIN(TestStarExplorer)
#include "tst_starexplorer.moc"
