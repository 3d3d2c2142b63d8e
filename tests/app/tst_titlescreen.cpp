// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/titlescreen.h"
#include "common/colourtable.h"
#include "common/picturenames.h"
#include "problems/framesequence.h"
#include "screens/controls.h"
#include "support/testprogram.h"

#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace ScreenNames;

namespace {

QColor shown(Screen *title)
{
    const QImage picture = title->control<PictureBox>(QStringLiteral("Picture1"))->picture();
    return picture.isNull() ? QColor() : picture.pixelColor(0, 0);
}

QColor colourOfFrame(int frame)
{
    return TestPictures::colourFor(FrameSequences::Title.fileName(frame));
}

} // namespace

class TestTitleScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { TestProgram::settle(); }
    void centresItselfAtLoad();
    void framesRunInOrderAndWrap();
    void missingFrameKeepsThePreviousPicture();
    void missingFirstFrameFallsBackToTheStyledLook();
    void missingFallbackStillAnimates();
};

void TestTitleScreen::centresItselfAtLoad()
{
    TestProgram t;
    t.screens().show(Title);
    Screen *title = t.screens().loaded(Title);
    const QSize display = QGuiApplication::primaryScreen()->size() * 15;
    QCOMPARE(title->leftTwips(), (display.width() - 5460) / 2.0);
    QCOMPARE(title->topTwips(), (display.height() - 6570) / 2.0);
    QCOMPARE(title->clientSizeTwips(), QSize(5460, 6570));
    QCOMPARE(title->windowTitle(), QStringLiteral(" "));
}

void TestTitleScreen::framesRunInOrderAndWrap()
{
    TestProgram t;
    t.screens().show(Title);
    auto *title = t.screen<TitleScreen>(Title);
    QCOMPARE(title->control<QTimer>(QStringLiteral("Timer1"))->interval(), 25);
    QVERIFY(title->control<QTimer>(QStringLiteral("Timer1"))->isActive());
    QCOMPARE(shown(title), colourOfFrame(0));
    QCOMPARE(FrameSequences::Title.fileName(9), QStringLiteral("stor4sm\\stor0009.gif"));
    QCOMPARE(FrameSequences::Title.fileName(10), QStringLiteral("stor4sm\\stor0010.gif"));
    for (int tick = 1; tick <= 31; ++tick) {
        title->Timer1_Timer();
        const int frame = tick % 15;
        QCOMPARE(t.program().values().frameno, qint16(frame));
        QCOMPARE(shown(title), colourOfFrame(frame));
    }
}

void TestTitleScreen::missingFrameKeepsThePreviousPicture()
{
    TestProgram t;
    t.pictures().remove(FrameSequences::Title.fileName(3));
    t.pictures().writeBytes(FrameSequences::Title.fileName(5), QByteArray("GIF89a"));
    t.screens().show(Title);
    auto *title = t.screen<TitleScreen>(Title);
    const QList<int> expected{1, 2, 2, 4, 4, 6};
    for (int frame : expected) {
        title->Timer1_Timer();
        QCOMPARE(shown(title), colourOfFrame(frame));
    }
    QCOMPARE(t.program().values().frameno, qint16(6));
}

void TestTitleScreen::missingFirstFrameFallsBackToTheStyledLook()
{
    TestProgram t;
    t.pictures().remove(FrameSequences::Title.fileName(0));
    t.screens().show(Title);
    auto *title = t.screen<TitleScreen>(Title);
    QCOMPARE(title->outerWidthTwips(), 12000);
    QCOMPARE(title->outerHeightTwips(), 9000);
    QCOMPARE(title->backgroundColour(), Colours::StyledWindow);
    QCOMPARE(title->control<PictureBox>(QStringLiteral("Picture1"))->backColour(), Colours::StyledPicture);
    QCOMPARE(shown(title), TestPictures::colourFor(PictureNames::TitleFallback));
    const QSize display = QGuiApplication::primaryScreen()->size() * 15;
    QCOMPARE(title->leftTwips(), (display.width() - 12000) / 2.0);
    QVERIFY(title->control<QTimer>(QStringLiteral("Timer1"))->isActive());
    title->Timer1_Timer();
    QCOMPARE(shown(title), colourOfFrame(1));
}

void TestTitleScreen::missingFallbackStillAnimates()
{
    TestProgram t;
    t.pictures().remove(FrameSequences::Title.fileName(0));
    t.pictures().remove(PictureNames::TitleFallback);
    t.screens().show(Title);
    auto *title = t.screen<TitleScreen>(Title);
    QVERIFY(!shown(title).isValid());
    QVERIFY(title->control<QTimer>(QStringLiteral("Timer1"))->isActive());
    title->Timer1_Timer();
    QCOMPARE(shown(title), colourOfFrame(1));
}

QTEST_MAIN(TestTitleScreen)
#include "tst_titlescreen.moc"
