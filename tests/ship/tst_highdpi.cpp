// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "controls/pictureview.h"
#include "screens/screen.h"
#include "support/testprogram.h"

#include <QScreen>
#include <QTest>

// The same program at device pixel ratios 1, 1.5 and 2 (one CTest entry
// each): pictures come as their fine @2x twins on fine displays, shown
// pixel for pixel. At ratio 1 also on a small display.
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
        QTest::newRow("title animation") << ScreenNames::Title << "Picture1";
        QTest::newRow("menu background") << ScreenNames::Menu << "";
    }

    void shownAtDeviceResolution()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
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
        QCOMPARE(picture.devicePixelRatio(), ratio > 1 ? qreal(PictureFolder::HighResolutionRatio) : 1.0);
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
};

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
