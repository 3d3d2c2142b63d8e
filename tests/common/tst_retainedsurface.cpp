// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "common/retainedsurface.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

class TestRetainedSurface : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drawsInTwipsAtDeviceResolution();
    void keepsDrawingWhenGrown();
    void clearLeavesItBlank();
    void reportsOnlyWhatItTouched();
};

void TestRetainedSurface::drawsInTwipsAtDeviceResolution()
{
    const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    RetainedSurface surface;
    surface.resize(QSize(200, 100), ratio);
    QCOMPARE(surface.image().size(), QSize(200 * ratio, 100 * ratio));
    surface.line(QPointF(150, 750), QPointF(2850, 750), Colours::Yellow, 3); // 10..190 px at y 50
    QCOMPARE(surface.colourAt(QPointF(1500, 750)), Colours::Yellow);
    QCOMPARE(surface.colourAt(QPointF(1500, 750 + 15)), Colours::Yellow); // three pixels wide
    QCOMPARE(surface.colourAt(QPointF(1500, 750 + 45)).alpha(), 0);
}

void TestRetainedSurface::keepsDrawingWhenGrown()
{
    RetainedSurface surface;
    surface.resize(QSize(50, 50));
    surface.point(QPointF(300, 300), qbColor(12));
    surface.resize(QSize(100, 80));
    QCOMPARE(surface.colourAt(QPointF(300, 300)), qbColor(12));
    QCOMPARE(surface.size(), QSize(100, 80));
}

void TestRetainedSurface::clearLeavesItBlank()
{
    RetainedSurface surface;
    surface.resize(QSize(60, 60));
    surface.circle(QPointF(450, 450), 300, Colours::Black);
    QVERIFY(!surface.isBlank());
    QCOMPARE(surface.clear(), QRect(0, 0, 60, 60));
    QVERIFY(surface.isBlank());
}

void TestRetainedSurface::reportsOnlyWhatItTouched()
{
    RetainedSurface surface;
    surface.resize(QSize(400, 400));
    const QRect touched = surface.line(QPointF(1500, 1500), QPointF(3000, 1500), Colours::Blue, 30);
    QVERIFY(touched.contains(QRect(100, 85, 100, 30)));
    QVERIFY(touched.width() < 150 && touched.height() < 60);
    // Drawing off the surface touches nothing and does not fail.
    QVERIFY(surface.point(QPointF(-3000, -3000), Colours::Blue).isEmpty());
}

QTEST_MAIN(TestRetainedSurface)
#include "tst_retainedsurface.moc"
