// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "common/framesequence.h"
#include "common/picturenames.h"
#include "controls/pictureview.h"
#include "screens/screen.h"
#include "support/datarow.h"
#include "support/testprogram.h"

#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace ScreenNames;

// Every screen as it shows, and the look and place the full-size ones share,
// on displays of every size and arrangement. The screens' words are drawn in
// the golden pictures, as a pupil reads them; the window titles are not. How
// one screen leads to another is walked by tst_roundtrips.
class TestScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each screen as it first shows, built from its rows, with a picture that
    // cannot be read where a row says.
    void screensShowAsDefined_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("unreadable");
        addDataRow("title", Title, " ", "");
        // Without its first frame the title takes the lesson screens' look and shows its spare picture.
        addDataRow("title, first frame unreadable", Title, " ", FrameSequences::Title.fileName(0));
        addDataRow("menu", Menu, "Vertexa Learning", "");
        // The backdrop left out when it cannot be read.
        addDataRow("menu, backdrop unreadable", Menu, "Vertexa Learning", PictureNames::MenuBackground);
        addDataRow("proof", Proof, "The Angles of a Triangle", "");
        addDataRow("explorer", Explorer, "Stellated Polygons", "");
        addDataRow("stellated problems", StellatedProblems, "Stellated Polygons", "");
        addDataRow("jotter", Jotter, "Jotter", "");
        // A button's face that cannot be read leaves the rest of the styling be.
        addDataRow("missing face", TriangleProblems, "The Angles of a Triangle", PictureNames::AnswerButton);
    }
    void screensShowAsDefined()
    {
        QFETCH(QString, screen);
        QFETCH(QString, unreadable);
        TestProgram t;
        if (!unreadable.isEmpty())
            t.pictures().writeBytes(unreadable, QByteArray("not a picture"));
        Screen *s = t.open(screen);
        QVERIFY(s);
        QTEST(s->windowTitle(), "title");
        QVERIFY(!QGuiApplication::overrideCursor()); // the busy pointer always goes
        if (screen == Title) {
            // The first frame, or on the lesson screens' look the spare picture;
            // then, whatever the first picture was, fifteen frames round and round.
            const auto showing = [box = s->control<PictureBox>("Picture1")](const QString &picture) {
                return sameColour(box->picture().pixelColor(0, 0), TestPictures::colourFor(picture));
            };
            QVERIFY(showing(unreadable.isEmpty() ? FrameSequences::Title.fileName(0) : PictureNames::TitleFallback));
            for (int tick = 1; tick <= 16; ++tick)
                QVERIFY(TestProgram::tick(s->control<QTimer>("Timer1")) &&
                        showing(FrameSequences::Title.fileName(tick % 15 || unreadable.isEmpty() ? tick % 15 : 14)));
        }
        // The menu's backdrop from the corner, the window's colour without it.
        if (screen == Menu)
            QVERIFY(sameColour(s->grab().toImage().pixelColor(0, 0),
                               unreadable.isEmpty() ? TestPictures::colourFor(PictureNames::MenuBackground)
                                                    : QColor(Colours::Canvas)));
        // Places count from the primary display's corner, wherever it lies on
        // the desktop: the Jotter at (150, 540) twips; the full-size windows,
        // frame included where there is one, centred on any display, with
        // negative margins on a small one, in the lesson screens' look. The
        // animated title has a window of its own size.
        const QRect display = QGuiApplication::primaryScreen()->geometry();
        if (screen == Jotter)
            QCOMPARE(s->frameGeometry().topLeft(), display.topLeft() + QPoint(10, 36));
        else if (screen != Title || !unreadable.isEmpty())
            QCOMPARE(
                s->frameGeometry(),
                QRect(display.topLeft() + QPoint(display.width() - 800, display.height() - 600) / 2, QSize(800, 600)));
        if (screen != Jotter && screen != Menu && (screen != Title || !unreadable.isEmpty()))
            QCOMPARE(s->backgroundColour(), QColor(Colours::StyledWindow));
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
