// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "common/retainedsurface.h"

#include <QTest>

// Drawing in twips at the display's resolution is checked by the Jotter's
// and the star explorer's tests; here what they do not reach.
class TestRetainedSurface : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keepsDrawingWhenGrown()
    {
        RetainedSurface surface;
        surface.resize(QSize(50, 50));
        surface.point(QPointF(300, 300), qbColor(12));
        surface.resize(QSize(100, 80));
        QCOMPARE(surface.size(), QSize(100, 80));
        QCOMPARE(surface.colourAt(QPointF(300, 300)), qbColor(12));
        QCOMPARE(surface.clear(), QRect(0, 0, 100, 80));
        QVERIFY(surface.isBlank());
    }
};

QTEST_MAIN(TestRetainedSurface)
#include "tst_retainedsurface.moc"
