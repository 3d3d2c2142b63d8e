// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/twips.h"
#include "controls/commandbutton.h"
#include "controls/pictureview.h"
#include "jotter/jotterpad.h"
#include "screens/screen.h"
#include "support/stroke.h"
#include "support/testprogram.h"

#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTest>

// The same program at device pixel ratios 1, 1.25, 1.5 and 2 (one CTest
// entry each), at ratio 1 on a small display, and moved from a plain monitor
// to a fine one: pictures come as their fine @2x twins on fine displays (the
// animations' frames brought to the display's own pixels), shown pixel for
// pixel. Controls are placed in logical pixels whatever the ratio; tst_golden
// compares every screen at ratio 2 pixel for pixel.
class TestHighDpi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The title, 5460 x 6570 twips, centred on a display of any size and
    // ratio; its animation's frame made once for the display's own pixels, so
    // that it is shown pixel for pixel, not scaled again at every paint. The
    // stills' fine twins are compared pixel for pixel by tst_golden.
    void title()
    {
        const QScreen *display = QGuiApplication::primaryScreen();
        TestProgram program;
        program.context().setPictures(PictureFolder(QStringLiteral(VERTEXA_PROGRAM_DIR)));
        Screen *title = program.open(ScreenNames::Title);
        QVERIFY(title);
        QCOMPARE(title->frameGeometry(),
                 QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, QSize(364, 438), display->geometry()));
        const QImage picture = title->control<PictureView>(QStringLiteral("Picture1"))->picture();
        QCOMPARE(picture.devicePixelRatio(), display->devicePixelRatio());
    }

    // A screen moved to a monitor of another scale is made again for it:
    // pictures read by name and the frame on show at its fineness, the
    // drawing surfaces at its ratio with the drawing kept (the explorer's
    // figure drawn afresh, not enlarged), the full-screen pointer at its size.
    void followsAMonitorChange_data()
    {
        QTest::addColumn<QString>("screen");
        for (const QString &name : screenNames())
            QTest::newRow(qPrintable(name)) << name;
    }
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
        if (screen == ScreenNames::Jotter)
            stroke(shown, {QPoint(40, 40), QPoint(100, 40)});
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
            QCOMPARE(drawn->drawing().colourAt(QPoint(70, 40) * TwipsPerPixel), pad->pen().colour());
            pad->work().undo(); // a step kept at the old ratio
            QVERIFY(drawn->drawing().isBlank());
            return;
        }
        // Enlarged, every square of two by two device pixels would be one colour.
        QVERIFY(surface != surface.scaled(surface.size() / 2).scaled(surface.size()));
    }
};

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
