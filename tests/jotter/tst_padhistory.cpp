// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The pad's history and what its pictures are named, without a window: undo
// gives back exactly the pixels there were, redo exactly the step, the bound
// holds, a name that is taken is never offered, a print keeps the picture's
// proportions.
#include "common/retainedsurface.h"
#include "jotter/padhistory.h"
#include "jotter/padpicture.h"
#include "support/datarow.h"

#include <QTest>

using Step = PadHistory::Step;

// One stroke of two segments from a fixed walk, in one of a few colours and
// widths.
static void stroke(PadHistory &history, RetainedSurface &surface, int n)
{
    const QPointF at(300 + 700 * (n % 9), 200 + 450 * (n % 5));
    const QPointF turn = at + QPointF(450 * (n % 3) - 400, -350);
    const QColor colour = QColor::fromHsv(n * 70 % 360, 255, 255);
    history.draw(surface, {QLineF(at, turn), colour, n % 4 == 2 ? 30.0 : 1.5 + n % 3});
    history.draw(surface, {QLineF(turn, at + QPointF(300, 200 * (n % 4) - 300)), colour, 1.5 + n % 3});
    history.endStroke();
}

class TestPadHistory : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Walks a mixed history back to the start and forward again, at twice
    // the resolution, comparing every pixel with what was there.
    void undoAndRedoAreExact()
    {
        RetainedSurface surface;
        surface.resize(QSize(400, 200), 2.0);
        PadHistory history;
        history.wipe(surface, Step::Clear); // on a bare pad no step, or the next
                                            // undo would seem to do nothing
        QList<QImage> states{surface.image().copy()};
        for (int n = 0; n < 12; ++n) {
            if (n % 5 == 0) { // the first a flip of the bare pad: a step all the
                              // same, as it turns the layout
                history.wipe(surface, n == 5 ? Step::Clear : Step::FlipToTall);
                surface.clear();
            } else {
                stroke(history, surface, n);
            }
            states.append(surface.image().copy());
        }
        QCOMPARE(history.undoCount(), 12);
        for (int n = 11; n >= 0; --n) {
            history.undo(surface);
            QVERIFY2(surface.image() == states[n], qPrintable(QStringLiteral("undo to state %1").arg(n)));
        }
        for (int n = 1; n <= 12; ++n) {
            history.redo(surface);
            QVERIFY2(surface.image() == states[n], qPrintable(QStringLiteral("redo to state %1").arg(n)));
        }
    }

    void boundHolds_data()
    {
        QTest::addColumn<QSize>("pad");
        QTest::addColumn<bool>("wipes");
        QTest::addColumn<int>("kept");
        addDataRow("small strokes: the last 100", QSize(661, 244), false, 100);
        // Each Clear keeps 1600 x 1200 device pixels, 7.3 MiB: four fit in 32 MiB.
        addDataRow("whole pads: 32 MiB", QSize(800, 600), true, 2 * 4);
        // One Clear larger than the bound on its own: still undoable.
        addDataRow("one huge pad", QSize(3000, 2000), true, 1);
    }
    void boundHolds()
    {
        QFETCH(QSize, pad);
        QFETCH(bool, wipes);
        RetainedSurface surface;
        surface.resize(pad, 2.0);
        PadHistory history;
        for (int n = 0; n < (wipes ? 10 : 130); ++n) {
            stroke(history, surface, n);
            if (wipes) {
                history.wipe(surface, Step::Clear);
                surface.clear();
            }
        }
        QTEST(history.undoCount(), "kept");
        QVERIFY(history.bytes() <= qMax(PadHistory::MaxBytes, surface.image().sizeInBytes()));
    }

    // Dated to the second, so that names sort by time; numbered on when taken.
    // Printed as large as fits, centred, in its proportions.
    void pictures()
    {
        const auto taken = [](const QString &name) { return name == u"J 2026-03-09 08-05-07.png"; };
        QCOMPARE(PadPicture::fileName("J", QDateTime(QDate(2026, 3, 9), QTime(8, 5, 7)), taken),
                 QStringLiteral("J 2026-03-09 08-05-07 (2).png"));
        QCOMPARE(PadPicture::fitted(QSizeF(300, 100), QRectF(10, 20, 600, 600)), QRectF(10, 220, 600, 200));
    }
};

QTEST_GUILESS_MAIN(TestPadHistory)
#include "tst_padhistory.moc"
