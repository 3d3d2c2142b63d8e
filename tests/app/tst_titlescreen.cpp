// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/titlescreen.h"
#include "common/colourtable.h"
#include "common/picturenames.h"
#include "problems/framesequence.h"
#include "screens/pictureview.h"
#include "support/testprogram.h"

#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace ScreenNames;

class TestTitleScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadsCentredAndAnimates_data()
    {
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<QString>("picture"); // on show first; empty for none
        const QString first = FrameSequences::Title.fileName(0);
        QTest::newRow("first frame") << QStringList{} << first;
        // Without it the screen takes the lesson screens' look and the spare picture.
        QTest::newRow("first frame missing") << QStringList{first} << PictureNames::TitleFallback;
        QTest::newRow("spare picture missing too") << QStringList{first, PictureNames::TitleFallback} << QString();
    }
    void loadsCentredAndAnimates()
    {
        QFETCH(QStringList, missing);
        QFETCH(QString, picture);
        const bool styled = !missing.isEmpty();
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
        auto *box = title->control<PictureBox>("Picture1");
        auto shown = [box] { return box->picture().isNull() ? QColor() : box->picture().pixelColor(0, 0); };
        QCOMPARE(shown(), picture.isEmpty() ? QColor() : TestPictures::colourFor(picture));
        QCOMPARE(std::tuple(title->backgroundColour() == Colours::StyledWindow,
                            box->backColour() == Colours::StyledPicture,
                            title->outerWidthTwips()),
                 std::tuple(styled, styled, styled ? 12000 : 5460));
        const QSizeF margins =
            QGuiApplication::primaryScreen()->size() * 15 - QSize(title->outerWidthTwips(), title->outerHeightTwips());
        QCOMPARE(QPointF(title->leftTwips(), title->topTwips()), QPointF(margins.width(), margins.height()) / 2);

        // The animation runs whatever the first picture was: fifteen frames, then round again.
        const QList<int> unreadable = styled ? QList<int>{0, 3, 5} : QList<int>{3, 5};
        for (int tick = 1, onShow = 0; tick <= 31; ++tick) {
            QVERIFY(TestProgram::tick(title->control<QTimer>("Timer1")));
            const int frame = tick % 15;
            QCOMPARE(t.context().values().frameno, qint16(frame));
            onShow = unreadable.contains(frame) ? onShow : frame;
            QCOMPARE(shown(), TestPictures::colourFor(FrameSequences::Title.fileName(onShow)));
        }
    }
};

QTEST_MAIN(TestTitleScreen)
#include "tst_titlescreen.moc"
