// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/twips.h"
#include "screens/commandbutton.h"
#include "screens/drawingscreen.h"
#include "screens/label.h"
#include "screens/pictureview.h"
#include "screens/screen.h"
#include "screens/twipsgeometry.h"
#include "support/testprogram.h"

#include <QMouseEvent>
#include <QScreen>
#include <QTest>

// The same program at device pixel ratios 1, 1.5 and 2 (one CTest entry
// each): geometry in twips and device-independent pixels does not move, and
// drawings and pictures are held and shown at the display's own resolution.
// With VERTEXA_SCREENSHOTS set to a folder, the windows are saved there as the
// program shows them, with the pictures the build drew.
class TestHighDpi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void geometryStaysInTwips_data();
    void geometryStaysInTwips();
    void drawingsAreAtDeviceResolution_data();
    void drawingsAreAtDeviceResolution();
    void picturesAreAtDeviceResolution_data();
    void picturesAreAtDeviceResolution();
    void screenshots();

private:
    std::unique_ptr<TestProgram> m_program;
};

namespace {

qreal displayRatio()
{
    return QGuiApplication::primaryScreen()->devicePixelRatio();
}

// Empty when the screen shows `held` pixel for pixel from its top-left
// corner wherever `held` is opaque; else how many pixels differ. Scaling a
// picture or drawing of another resolution would change exactly these.
QString shownPixelForPixel(const QImage &shown, const QImage &held)
{
    const QImage screen = shown.convertToFormat(QImage::Format_ARGB32);
    const QImage wanted = held.convertToFormat(QImage::Format_ARGB32);
    const QSize common = wanted.size().boundedTo(screen.size());
    int opaque = 0, differ = 0;
    for (int y = 0; y < common.height(); ++y) {
        for (int x = 0; x < common.width(); ++x) {
            const QRgb w = wanted.pixel(x, y);
            opaque += qAlpha(w) == 255;
            differ += qAlpha(w) == 255 && screen.pixel(x, y) != w;
        }
    }
    if (opaque == 0)
        return QStringLiteral("nothing to compare");
    return differ == 0 ? QString() : QStringLiteral("%1 of %2 pixels differ on screen").arg(differ).arg(opaque);
}

void saveScreenshot(QWidget *window, const QString &name)
{
    const QByteArray folder = qgetenv("VERTEXA_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    const QString file = QStringLiteral("%1/%2@%3.png").arg(QString::fromLocal8Bit(folder), name).arg(displayRatio());
    QVERIFY(window->grab().save(file));
}

void sendMouse(QWidget *target, QEvent::Type type, QPoint pixels, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPointF local(pixels);
    QMouseEvent event(type, local, target->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

void TestHighDpi::init()
{
    m_program = std::make_unique<TestProgram>();
    // The pictures the build drew, fine twins and all.
    m_program->context().setPictures(PictureFolder(QStringLiteral(VERTEXA_PROGRAM_DIR)));
}

void TestHighDpi::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    m_program.reset();
}

void TestHighDpi::geometryStaysInTwips_data()
{
    QTest::addColumn<QString>("screen");
    for (const QString &name : screenNames())
        QTest::addRow("%s", qPrintable(name)) << name;
}

void TestHighDpi::geometryStaysInTwips()
{
    QFETCH(QString, screen);
    Screen *shown = m_program->open(screen);
    QVERIFY(shown);
    QCOMPARE(shown->devicePixelRatioF(), displayRatio());
    // The client area measures the same in twips at every ratio.
    QCOMPARE(shown->clientSizeTwips(), shown->size() * TwipsPerPixel);

    const ScreenDefinition &definition = shown->definition();
    int placed = 0;
    for (const ControlDefinition &c : definition.controls) {
        if (c.kind == ControlKind::Line || c.kind == ControlKind::Timer)
            continue;
        auto *widget = shown->control<QWidget>(c.name, c.index);
        QVERIFY(widget);
        const QRect twips = TwipsGeometry::rect(widget);
        const QRect pixels = widget->geometry();
        // Device-independent pixels are twips / 15 at every ratio, within
        // one pixel of rounding.
        const QRectF expected(QPointF(twips.topLeft()) / TwipsPerPixel, QSizeF(twips.size()) / TwipsPerPixel);
        QVERIFY2(qAbs(pixels.left() - expected.left()) <= 1 && qAbs(pixels.top() - expected.top()) <= 1 &&
                     qAbs(pixels.width() - expected.width()) <= 1 && qAbs(pixels.height() - expected.height()) <= 1,
                 qPrintable(QStringLiteral("%1: %2,%3 %4x%5 px for %6,%7 %8x%9 twips")
                                .arg(widget->objectName())
                                .arg(pixels.left())
                                .arg(pixels.top())
                                .arg(pixels.width())
                                .arg(pixels.height())
                                .arg(twips.left())
                                .arg(twips.top())
                                .arg(twips.width())
                                .arg(twips.height())));
        ++placed;
    }
    QVERIFY(placed > 0);
}

void TestHighDpi::drawingsAreAtDeviceResolution_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("explorer's star") << ScreenNames::Explorer;
    QTest::newRow("Jotter strokes") << ScreenNames::Jotter;
}

void TestHighDpi::drawingsAreAtDeviceResolution()
{
    QFETCH(QString, screen);
    Screen *shown = m_program->open(screen);
    QVERIFY(shown);
    if (screen == ScreenNames::Jotter) {
        // A wavy stroke in the yellow pen, then another in red.
        for (const auto &[top, swatch] : {std::pair{60, 14}, std::pair{130, 12}}) {
            shown->control<Label>(QStringLiteral("Label1"), swatch)->activate();
            sendMouse(shown, QEvent::MouseButtonPress, {40, top}, Qt::LeftButton, Qt::LeftButton);
            for (int x = 40; x <= 600; x += 8)
                sendMouse(shown,
                          QEvent::MouseMove,
                          {x, top + int(40 * std::sin(x / 45.0))},
                          Qt::NoButton,
                          Qt::LeftButton);
            sendMouse(shown, QEvent::MouseButtonRelease, {600, top}, Qt::LeftButton, Qt::NoButton);
        }
    }
    const RetainedSurface &drawing = qobject_cast<DrawingScreen *>(shown)->drawing();
    QVERIFY(!drawing.isBlank());
    QCOMPARE(drawing.devicePixelRatio(), displayRatio());
    QCOMPARE(drawing.image().size(), (QSizeF(shown->size()) * displayRatio()).toSize());
    const QString mismatch = shownPixelForPixel(shown->grab().toImage(), drawing.image());
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    saveScreenshot(shown, shown->screenName());
}

void TestHighDpi::picturesAreAtDeviceResolution_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control"); // empty for the window's own background
    QTest::newRow("title animation") << ScreenNames::Title << "Picture1";
    QTest::newRow("menu background") << ScreenNames::Menu << "";
    QTest::newRow("menu logo") << ScreenNames::Menu << "Image2";
    QTest::newRow("menu exit button") << ScreenNames::Menu << "Command1";
    QTest::newRow("triangle animation") << ScreenNames::TriangleProblems << "Image2";
    QTest::newRow("star animation") << ScreenNames::StellatedProblems << "Image2";
    QTest::newRow("check button") << ScreenNames::TriangleProblems << "cmdcheckit";
}

void TestHighDpi::picturesAreAtDeviceResolution()
{
    QFETCH(QString, screen);
    QFETCH(QString, control);
    Screen *shown = m_program->open(screen);
    QVERIFY(shown);
    QWidget *widget = control.isEmpty() ? shown : shown->control<QWidget>(control);
    QVERIFY(widget);
    // Read together, with no event in between: the animations change frame
    // on their timers. The window's background is taken without its controls.
    QPixmap grabbed(widget->size() * displayRatio());
    grabbed.setDevicePixelRatio(displayRatio());
    widget->render(&grabbed,
                   {},
                   {},
                   widget == shown ? QWidget::DrawWindowBackground : QWidget::RenderFlags(QWidget::DrawChildren));
    QImage picture;
    if (auto *view = qobject_cast<PictureView *>(widget))
        picture = view->picture();
    else if (auto *button = qobject_cast<CommandButton *>(widget))
        picture = button->picture();
    else
        picture = shown->backgroundPicture();
    QVERIFY(!picture.isNull());

    // On a fine display the fine twin, covering the same space.
    const qreal expectedRatio = displayRatio() > 1 ? PictureFolder::HighResolutionRatio : 1;
    QCOMPARE(picture.devicePixelRatio(), expectedRatio);
    if (widget != shown && !qobject_cast<CommandButton *>(widget))
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(widget->size()));

    // Where the display's ratio is the picture's, it is shown pixel for pixel.
    if (displayRatio() != expectedRatio || qobject_cast<CommandButton *>(widget))
        return;
    const QString mismatch = shownPixelForPixel(grabbed.toImage(), picture);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

// Only with VERTEXA_SCREENSHOTS: the screens with pictures, for a person to look at.
void TestHighDpi::screenshots()
{
    if (qEnvironmentVariableIsEmpty("VERTEXA_SCREENSHOTS"))
        QSKIP("VERTEXA_SCREENSHOTS not set");
    for (const QString &name : {ScreenNames::Title,
                                ScreenNames::Menu,
                                ScreenNames::Proof,
                                ScreenNames::TriangleProblems,
                                ScreenNames::StellatedProblems}) {
        Screen *shown = m_program->open(name);
        QVERIFY(shown);
        QTest::qWait(200);
        saveScreenshot(shown, name);
        shown->close();
        TestProgram::settle();
    }
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
