// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "common/framesequence.h"
#include "common/picturenames.h"
#include "controls/commandbutton.h"
#include "controls/label.h"
#include "controls/pictureview.h"
#include "screens/screen.h"
#include "support/datarow.h"
#include "support/testprogram.h"

#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace ScreenNames;

// Every screen as it shows, how one leads to another, and the look the
// full-size ones share. The screens' words are drawn in the golden pictures,
// as a pupil reads them; the window titles are not.
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
        for (const auto &check : {&TestScreens::titlePlays, &TestScreens::menuLooks, &TestScreens::standsInPlace}) {
            (this->*check)(s, unreadable);
            if (QTest::currentTestFailed())
                return;
        }
    }

    // A handle that does not match the rows names the screen, the row and
    // the kind it wanted.
    void aMissingHandleNamesItsRow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("message");
        addDataRow("renamed", "Label33", int(NoIndex), "screen triproof: no row Label33 (a Label was expected)");
        addDataRow("outside the array", "Label4", 5, "screen triproof: no row Label4(5) (a Label was expected)");
        addDataRow("another kind", "cmdexit", int(NoIndex), "screen triproof: cmdexit is a CommandButton, not a Label");
    }
    void aMissingHandleNamesItsRow()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        TestProgram t;
        try {
            Screen(screenDefinition(Proof), t.context()).take<Label>(name, index);
            QFAIL("a handle without its row was taken");
        } catch (const MissingControl &missing) {
            QTEST(QString::fromStdString(missing.what()), "message");
        }
    }

    // One pad, shared by the problem pages: closing a page's window leaves it,
    // a page's exit takes it along; the program ends when its last window closes.
    void transitions()
    {
        TestProgram t;
        ScreenRegistry &screens = t.screens();
        QSignalSpy last(&screens, &ScreenRegistry::lastScreenUnloaded);
        auto shown = [&screens] { return screens.loadedNames().join(u' '); };
        screens.show(StellatedProblems);
        screens.show(Jotter);
        const QPointer<Screen> pad = screens.loaded(Jotter);
        screens.loaded(StellatedProblems)->close();
        QCOMPARE(shown(), Jotter);
        QVERIFY(pad->isVisible());
        screens.show(TriangleProblems);
        screens.loaded(TriangleProblems)->control<CommandButton>("cmdjotter")->click();
        QCOMPARE(shown(), TriangleProblems + u' ' + Jotter);
        QVERIFY(screens.loaded(Jotter) == pad && pad->isVisible());
        screens.loaded(TriangleProblems)->control<CommandButton>("cmdexit")->click();
        QCOMPARE(shown(), Menu);
        QVERIFY(last.isEmpty() && (!pad || !pad->isVisible()) && screens.loaded(Menu)->isVisible());
        screens.loaded(Menu)->close();
        QCOMPARE(shown(), QString());
        // Ended once, when its last window closed.
        QCOMPARE(last.count(), 1);
    }

private:
    // The title: the first frame, or on the lesson screens' look the spare
    // picture; then, whatever the first picture was, fifteen frames round and
    // round (numbered in two digits).
    void titlePlays(Screen *s, const QString &unreadable)
    {
        if (s->screenName() != Title)
            return;
        auto *box = s->control<PictureBox>("Picture1");
        auto showing = [box](const QString &picture) {
            return sameColour(box->picture().pixelColor(0, 0), TestPictures::colourFor(picture));
        };
        QVERIFY(showing(unreadable.isEmpty() ? FrameSequences::Title.fileName(0) : PictureNames::TitleFallback));
        QCOMPARE(box->backColour() == Colours::StyledPicture, !unreadable.isEmpty());
        QCOMPARE(FrameSequences::Title.fileName(10), QStringLiteral("stor4sm\\stor0010.gif"));
        for (int tick = 1; tick <= 16; ++tick)
            QVERIFY(TestProgram::tick(s->control<QTimer>("Timer1")) &&
                    showing(FrameSequences::Title.fileName(tick % 15 || unreadable.isEmpty() ? tick % 15 : 14)));
    }

    // The menu's backdrop from the corner, the window's colour without it.
    void menuLooks(Screen *s, const QString &unreadable)
    {
        if (s->screenName() != Menu)
            return;
        QVERIFY(sameColour(s->grab().toImage().pixelColor(0, 0),
                           unreadable.isEmpty() ? TestPictures::colourFor(PictureNames::MenuBackground)
                                                : QColor(Colours::Canvas)));
    }

    // Places count from the primary display's corner, wherever it lies on the
    // desktop: the Jotter at (150, 540) twips; the full-size windows, frame
    // included where there is one, centred on any display, with negative
    // margins on a small one.
    void standsInPlace(Screen *s, const QString &unreadable)
    {
        const QPoint origin = QGuiApplication::primaryScreen()->geometry().topLeft();
        if (s->screenName() == Jotter)
            QCOMPARE(s->frameGeometry().topLeft(), origin + QPoint(10, 36));
        // The lesson screens' size and look; the Jotter and the animated title
        // have windows of their own size.
        if (s->screenName() == Jotter || (s->screenName() == Title && unreadable.isEmpty()))
            return;
        const QSize display = QGuiApplication::primaryScreen()->size();
        QCOMPARE(s->frameGeometry(),
                 QRect(origin + QPoint(display.width() - 800, display.height() - 600) / 2, QSize(800, 600)));
        QVERIFY(s->screenName() == Menu || s->backgroundColour() == Colours::StyledWindow);
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
