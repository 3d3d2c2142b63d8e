// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/twips.h"
#include "controls/commandbutton.h"
#include "controls/pictureview.h"
#include "controls/twipsgeometry.h"
#include "jotter/jotterpad.h"
#include "screens/screen.h"
#include "support/stroke.h"
#include "support/testprogram.h"

#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <array>
#include <cmath>

// The same program at device pixel ratios 1, 1.25, 1.5 and 2 (one CTest
// entry each), at ratio 1 on a small display, and moved from a plain monitor
// to a fine one: pictures come as their fine
// @2x twins on fine displays (the animations' frames brought to the display's
// own pixels), shown pixel for pixel, and every control lies where its twips
// say to the device pixel.
class TestHighDpi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The title, 5460 x 6570 twips, centred on a display of any size and ratio.
    void titleCentred()
    {
        TestProgram program;
        Screen *title = program.open(ScreenNames::Title);
        QVERIFY(title);
        const QSize display = QGuiApplication::primaryScreen()->size(), size(364, 438);
        QCOMPARE(title->frameGeometry(),
                 QRect(QPoint(display.width() - size.width(), display.height() - size.height()) / 2, size));
    }

    void shownAtDeviceResolution_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control"); // empty for the window's own background
        QTest::addColumn<bool>("animated");   // a frame, made once for the display's pixels
        QTest::newRow("title animation") << ScreenNames::Title << "Picture1" << true;
        QTest::newRow("menu background") << ScreenNames::Menu << "" << false;
    }

    void shownAtDeviceResolution()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(bool, animated);
        const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
        TestProgram program;
        // The pictures the build drew, fine twins and all.
        program.context().setPictures(PictureFolder(QStringLiteral(VERTEXA_PROGRAM_DIR)));
        Screen *shown = program.open(screen);
        QWidget *widget = control.isEmpty() ? shown : shown->control<QWidget>(control);
        // Read together, with no event in between: the animations change frame
        // on their timers. The window's background is taken without its controls.
        QPixmap grabbed(widget->size() * ratio);
        grabbed.setDevicePixelRatio(ratio);
        widget->render(&grabbed, {}, {}, widget == shown ? QWidget::DrawWindowBackground : QWidget::DrawChildren);
        const auto *view = qobject_cast<PictureView *>(widget);
        const QImage picture = view ? view->picture() : shown->backgroundPicture();
        QVERIFY(!picture.isNull());

        // On a fine display the picture's fine twin, covering the same space.
        const qreal fine = animated ? ratio : qreal(PictureFolder::HighResolutionRatio);
        QCOMPARE(picture.devicePixelRatio(), ratio > 1 ? fine : 1.0);
        if (view)
            QCOMPARE(picture.deviceIndependentSize(), QSizeF(widget->size()));
        if (ratio != picture.devicePixelRatio())
            return;
        // Scaling from another resolution would change the opaque pixels.
        const QImage screenImage = grabbed.toImage();
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                QVERIFY(qAlpha(picture.pixel(x, y)) < 255 || screenImage.pixel(x, y) == picture.pixel(x, y));
        }
    }

    void controlsWithinADevicePixel_data()
    {
        QTest::addColumn<QString>("screen");
        for (const QString &name : screenNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void controlsWithinADevicePixel()
    {
        QFETCH(QString, screen);
        const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
        TestProgram program;
        Screen *shown = program.open(screen);
        QVERIFY(shown);
        const auto edges = [ratio](const QRectF &r) {
            return std::array<qreal, 4>{r.left() * ratio, r.top() * ratio, r.right() * ratio, r.bottom() * ratio};
        };
        int placed = 0;
        for (QWidget *control : shown->findChildren<QWidget *>()) {
            const QRect twips = TwipsGeometry::rect(control);
            if (twips.isNull() || !control->isVisible())
                continue;
            ++placed;
            const QRectF wanted(QPointF(twips.topLeft()) / TwipsPerPixel, QSizeF(twips.size()) / TwipsPerPixel);
            const auto want = edges(wanted);
            const auto have = edges(QRectF(control->geometry().topLeft(), QSizeF(control->size())));
            for (std::size_t i = 0; i < want.size(); ++i)
                QVERIFY2(std::abs(want[i] - have[i]) <= 1.0,
                         qPrintable(control->objectName() + u' ' + QDebug::toString(control->geometry()) +
                                    QStringLiteral(" for twips ") + QDebug::toString(twips)));
        }
        QVERIFY(placed > 0);
    }

    // A screen moved to a monitor of another scale is made again for it:
    // pictures read by name and the frame on show at its fineness, the
    // drawing surfaces at its ratio with the drawing kept (the explorer's
    // figure drawn afresh, not enlarged), the full-screen pointer at its size.
    void followsAMonitorChange_data() { controlsWithinADevicePixel_data(); }
    void followsAMonitorChange()
    {
        QFETCH(QString, screen);
        if (QGuiApplication::screens().size() < 2)
            QSKIP("needs a second monitor");
        const QScreen *fine = QGuiApplication::screens().at(1);
        const qreal ratio = fine->devicePixelRatio();
        TestProgram program;
        program.context().setPictures(PictureFolder(QStringLiteral(VERTEXA_PROGRAM_DIR)));
        Screen *shown = program.open(screen);
        QVERIFY(shown);
        const QPoint from(40, 40);
        if (screen == ScreenNames::Jotter)
            stroke(shown, {from, from + QPoint(60, 0)});
        shown->move(fine->geometry().topLeft() + QPoint(20, 20));
        QTRY_COMPARE(shown->devicePixelRatioF(), ratio);
        QCoreApplication::processEvents();

        QList<QImage> pictures{shown->backgroundPicture()};
        for (const PictureView *view : shown->findChildren<PictureView *>())
            pictures << view->picture();
        for (const CommandButton *button : shown->findChildren<CommandButton *>())
            pictures << button->picture();
        for (const QImage &picture : std::as_const(pictures))
            QVERIFY(picture.isNull() || picture.devicePixelRatio() == ratio);
        for (const QWidget *cover : shown->findChildren<QWidget *>(QRegularExpression(QStringLiteral("Pointer$"))))
            QCOMPARE(cover->cursor().pixmap().devicePixelRatio(), ratio);

        auto *drawn = qobject_cast<DrawingScreen *>(shown);
        if (!drawn)
            return;
        const QImage surface = drawn->drawing().image();
        QCOMPARE(surface.size(), drawn->size() * ratio);
        if (auto *pad = qobject_cast<JotterPad *>(shown)) {
            QCOMPARE(drawn->drawing().colourAt((from + QPoint(30, 0)) * TwipsPerPixel), pad->pen().colour());
            pad->work().undo(); // a step kept at the old ratio
            QVERIFY(drawn->drawing().isBlank());
            return;
        }
        // Enlarged, every square of two by two device pixels would be one colour.
        bool fineEdges = false;
        for (int y = 0; y + 1 < surface.height() && !fineEdges; y += 2) {
            for (int x = 0; x + 1 < surface.width() && !fineEdges; x += 2)
                fineEdges = surface.pixel(x, y) != surface.pixel(x + 1, y) ||
                            surface.pixel(x, y) != surface.pixel(x, y + 1) ||
                            surface.pixel(x, y) != surface.pixel(x + 1, y + 1);
        }
        QVERIFY(fineEdges);
    }
};

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
