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

} // namespace

class TestTitleScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { TestProgram::settle(); }
    void loadsCentredAndAnimates_data();
    void loadsCentredAndAnimates();
};

void TestTitleScreen::loadsCentredAndAnimates_data()
{
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<bool>("styled");
    QTest::addColumn<QString>("picture");
    const QString first = FrameSequences::Title.fileName(0);
    QTest::newRow("first frame") << QStringList{} << false << first;
    // Without it the screen takes the lesson screens' look and the spare picture.
    QTest::newRow("first frame missing") << QStringList{first} << true << PictureNames::TitleFallback;
    QTest::newRow("spare picture missing too") << QStringList{first, PictureNames::TitleFallback} << true << QString();
}

void TestTitleScreen::loadsCentredAndAnimates()
{
    QFETCH(QStringList, missing);
    QFETCH(bool, styled);
    QFETCH(QString, picture);
    // Frame numbers take two digits, also from ten on.
    QCOMPARE(FrameSequences::Title.fileName(9), QStringLiteral("stor4sm\\stor0009.gif"));
    QCOMPARE(FrameSequences::Title.fileName(10), QStringLiteral("stor4sm\\stor0010.gif"));

    TestProgram t;
    for (const QString &name : std::as_const(missing))
        t.pictures().remove(name);
    // A frame that cannot be read, missing or damaged, leaves the one before on show.
    t.pictures().remove(FrameSequences::Title.fileName(3));
    t.pictures().writeBytes(FrameSequences::Title.fileName(5), QByteArray("GIF89a"));
    t.screens().show(Title);
    auto *title = t.screen<TitleScreen>(Title);
    QVERIFY(title);

    QCOMPARE(shown(title), picture.isEmpty() ? QColor() : TestPictures::colourFor(picture));
    QCOMPARE(title->backgroundColour() == Colours::StyledWindow, styled);
    QCOMPARE(title->control<PictureBox>(QStringLiteral("Picture1"))->backColour() == Colours::StyledPicture, styled);
    QCOMPARE(title->outerWidthTwips(), styled ? 12000 : 5460);
    const QSize display = QGuiApplication::primaryScreen()->size() * 15;
    QCOMPARE(title->leftTwips(), (display.width() - title->outerWidthTwips()) / 2.0);
    QCOMPARE(title->topTwips(), (display.height() - title->outerHeightTwips()) / 2.0);

    // The animation runs whatever the first picture was.
    QVERIFY(title->control<QTimer>(QStringLiteral("Timer1"))->isActive());
    QList<int> unreadable{3, 5};
    if (!missing.isEmpty())
        unreadable.append(0);
    int onShow = 0;
    for (int tick = 1; tick <= 31; ++tick) {
        title->Timer1_Timer();
        const int frame = tick % 15; // fifteen frames, then round again
        QCOMPARE(t.program().values().frameno, qint16(frame));
        onShow = unreadable.contains(frame) ? onShow : frame;
        QCOMPARE(shown(title), TestPictures::colourFor(FrameSequences::Title.fileName(onShow)));
    }
}

QTEST_MAIN(TestTitleScreen)
#include "tst_titlescreen.moc"
