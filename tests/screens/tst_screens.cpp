// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "common/framesequence.h"
#include "common/language.h"
#include "common/picturenames.h"
#include "controls/commandbutton.h"
#include "controls/fittedfont.h"
#include "controls/label.h"
#include "controls/pictureview.h"
#include "controls/twipsgeometry.h"
#include "screens/screen.h"
#include "support/testprogram.h"

#include <QFontMetrics>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace ScreenNames;

// Every screen as it shows, how one leads to another, and the look the
// full-size ones share.

class TestScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each screen as it first shows: its window title and the fixed words of
    // its labels, buttons and menu entries, and for the full-size screens the
    // common look. Texts that change as a lesson goes on belong to its tests.
    void screensShowAsDefined_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("texts");      // "control=caption|...", the window's title as "=title"
        QTest::addColumn<QString>("unreadable"); // a picture that cannot be read
        QTest::addColumn<QString>("language");
        const QString de = QStringLiteral("de");
        auto row = [](const char *tag,
                      const QString &screen,
                      const char *texts,
                      const QString &unreadable = {},
                      const QString &language = {}) {
            QTest::newRow(tag) << screen << QString::fromUtf8(texts) << unreadable << language;
        };
        row("title", Title, "= |Label4(0)=Vertexa 1|Label4(1)=Demo|Command1=OK|Command2=Exit");
        // Without its first frame the title takes the lesson screens' look and shows its spare picture.
        row("title, first frame unreadable", Title, "", FrameSequences::Title.fileName(0));
        // The other screens' words are drawn in the golden pictures, as a pupil reads them.
        row("menu", Menu, "");
        // The exit face in the language's own words; the backdrop left out when it cannot be read.
        row("menu in German, backdrop unreadable", Menu, "", PictureNames::MenuBackground, de);
        row("proof", Proof, "=The Angles of a Triangle");
        row("explorer", Explorer, "=Stellated Polygons");
        row("stellated problems", StellatedProblems, "=Stellated Polygons|Label3=Full Screen|Text2(0)=5|Text2(1)=2");
        row("jotter", Jotter, "=Jotter");
        // A face that cannot be read is left out; the rest of the styling still happens.
        row("missing face",
            TriangleProblems,
            "=The Angles of a Triangle|Label2=Full Screen",
            PictureNames::AnswerButton);
    }
    void screensShowAsDefined()
    {
        QFETCH(QString, screen);
        QFETCH(QString, texts);
        QFETCH(QString, unreadable);
        QFETCH(QString, language);
        QVERIFY(Language::install(language));
        const auto english = qScopeGuard([] { Language::install({}); });
        TestProgram t;
        if (!unreadable.isEmpty())
            t.pictures().writeBytes(unreadable, QByteArray("not a picture"));
        Screen *s = t.open(screen);
        QVERIFY(s);
        QVERIFY(!QGuiApplication::overrideCursor()); // the busy pointer always goes
        for (const auto &check : {&TestScreens::showsTexts,
                                  &TestScreens::titlePlays,
                                  &TestScreens::menuLooks,
                                  &TestScreens::standsInPlace,
                                  &TestScreens::wearsPictureButtons}) {
            (this->*check)(s, texts, unreadable, language);
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
        QTest::newRow("renamed") << "Label33" << int(NoIndex)
                                 << "screen triproof: no row Label33 (a Label was expected)";
        QTest::newRow("outside the array")
            << "Label4" << 5 << "screen triproof: no row Label4(5) (a Label was expected)";
        QTest::newRow("another kind") << "cmdexit" << int(NoIndex)
                                      << "screen triproof: cmdexit is a CommandButton, not a Label";
    }
    void aMissingHandleNamesItsRow()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, message);
        TestProgram t;
        const Screen bare(screenDefinition(Proof), t.context());
        try {
            bare.take<Label>(name, index);
            QFAIL("a handle without its row was taken");
        } catch (const MissingControl &missing) {
            QCOMPARE(QString::fromStdString(missing.what()), message);
        }
    }

    // A caption too long for its control is drawn as large as fits, in steps
    // of 5 %, but never below 0.6 of its size: there it may spill instead.
    void captionShrinksToFit_data()
    {
        QTest::addColumn<qreal>("room"); // the control's width, as a part of the caption's own
        QTest::newRow("room to spare") << 1.1;
        QTest::newRow("a little short") << 0.8;
        QTest::newRow("far too short: the floor") << 0.3;
    }
    void captionShrinksToFit()
    {
        QFETCH(qreal, room);
        const QString caption = QStringLiteral("Semi-regular Tessellations");
        const QFont asked(QStringLiteral("Tahoma"), 18, QFont::Bold);
        const QRect area(0, 0, qRound(QFontMetrics(asked).horizontalAdvance(caption) * room), 100);
        const qreal part = fittedFont(asked, area, Qt::AlignCenter, caption).pointSizeF() / 18;
        const qreal want = qBound(0.6, room, 1.0);
        QVERIFY2(part >= qMax(want * 0.95, 0.6) && part <= want / 0.95, qPrintable(QString::number(part)));
    }

    // One pad, shared by the problem pages: closing a page's window leaves it,
    // a page's exit takes it along; the program ends when its last window closes.
    void transitions()
    {
        TestProgram t;
        ScreenRegistry &screens = t.screens();
        QSignalSpy last(&screens, &ScreenRegistry::lastScreenUnloaded);
        auto shown = [&screens] { return screens.loadedNames().join(u' '); };
        screens.show(QStringLiteral("star"));
        screens.show(QStringLiteral("notepad"));
        const QPointer<Screen> pad = screens.loaded(QStringLiteral("notepad"));
        screens.loaded(QStringLiteral("star"))->close();
        QCOMPARE(shown(), QStringLiteral("notepad"));
        QVERIFY(pad->isVisible());
        screens.show(QStringLiteral("angtri"));
        screens.loaded(QStringLiteral("angtri"))->control<CommandButton>(QStringLiteral("cmdjotter"))->click();
        QCOMPARE(shown(), QStringLiteral("angtri notepad"));
        QVERIFY(screens.loaded(QStringLiteral("notepad")) == pad && pad->isVisible());
        screens.loaded(QStringLiteral("angtri"))->control<CommandButton>(QStringLiteral("cmdexit"))->click();
        QCOMPARE(shown(), QStringLiteral("intro0"));
        QVERIFY(last.isEmpty() && (!pad || !pad->isVisible()) && screens.loaded(QStringLiteral("intro0"))->isVisible());
        screens.loaded(QStringLiteral("intro0"))->close();
        QCOMPARE(shown(), QString());
        // Ended once, when its last window closed.
        QCOMPARE(last.count(), 1);
    }

private:
    // The window's title and the fixed words of its controls: "control=caption|...".
    void showsTexts(Screen *s, const QString &texts, const QString &, const QString &)
    {
        for (const QString &row : texts.split(u'|', Qt::SkipEmptyParts)) {
            const QString name = row.section(u'=', 0, 0);
            const QWidget *control = name.isEmpty() ? s : s->findChild<QWidget *>(name);
            QVERIFY2(control, qPrintable(row));
            const auto *label = qobject_cast<const Label *>(control);
            QCOMPARE(label ? label->text() : control->property(name.isEmpty() ? "windowTitle" : "text").toString(),
                     row.section(u'=', 1));
        }
    }

    // The title: the first frame, or on the lesson screens' look the spare
    // picture; then, whatever the first picture was, fifteen frames round and
    // round (numbered in two digits).
    void titlePlays(Screen *s, const QString &, const QString &unreadable, const QString &)
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

    // The menu: its backdrop from the corner, the window's colour without it; the logo.
    void menuLooks(Screen *s, const QString &, const QString &unreadable, const QString &)
    {
        if (s->screenName() != Menu)
            return;
        QVERIFY(sameColour(s->grab().toImage().pixelColor(0, 0),
                           unreadable.isEmpty() ? TestPictures::colourFor(PictureNames::MenuBackground)
                                                : QColor(Colours::Canvas)));
        QVERIFY(sameColour(s->control<ImageBox>("Image2")->picture().pixelColor(0, 0),
                           TestPictures::colourFor(PictureNames::Logo)));
    }

    // Places count from the primary display's corner, wherever it lies on the
    // desktop: the Jotter at (150, 540) twips; the full-size windows, frame
    // included where there is one, centred on any display, with negative
    // margins on a small one.
    void standsInPlace(Screen *s, const QString &, const QString &unreadable, const QString &)
    {
        const QPoint origin = QGuiApplication::primaryScreen()->geometry().topLeft();
        if (s->screenName() == Jotter)
            QCOMPARE(s->frameGeometry().topLeft(), origin + QPoint(10, 36));
        if (!isFullSize(s, unreadable))
            return;
        const QSize display = QGuiApplication::primaryScreen()->size();
        QCOMPARE(s->frameGeometry(),
                 QRect(origin + QPoint(display.width() - 800, display.height() - 600) / 2, QSize(800, 600)));
        QVERIFY(s->screenName() == Menu || s->backgroundColour() == Colours::StyledWindow);
    }

    // The exit button bottom left (the menu's is its own "Command1"); the
    // others stacked upwards in a column at the right, each directly above the
    // one before, each with its face in the language's own words, else the
    // English one, else none.
    void wearsPictureButtons(Screen *s, const QString &, const QString &unreadable, const QString &language)
    {
        if (!isFullSize(s, unreadable))
            return;
        const QList<std::tuple<QString, QString, QPoint>> pictureButtons{
            {"cmdexit", PictureNames::ExitButton, {90, 7950}},
            {"cmdgo", PictureNames::NextButton, {10050, 7950}},
            {"cmdjotter", PictureNames::JotterButton, {10050, 7455}},
            {"cmdsoln", PictureNames::AnswerButton, {10050, 6960}},
            {"cmdcheckit", PictureNames::CheckButton, {10050, 6465}}};
        const QString screen = s->screenName();
        const int buttons = screen == TriangleProblems || screen == StellatedProblems ? 5 : screen == Title ? 0 : 1;
        for (const auto &[name, face, place] : pictureButtons.first(buttons)) {
            auto *button = s->control<CommandButton>(screen == Menu ? QStringLiteral("Command1") : name);
            const QString own = PictureNames::forLanguage(face, language), shown = own == unreadable ? face : own;
            QVERIFY2(shown == unreadable
                         ? button->picture().isNull()
                         : sameColour(button->picture().pixelColor(0, 0), TestPictures::colourFor(shown)),
                     qPrintable(name));
            QCOMPARE(TwipsGeometry::rect(button), QRect(place, QSize(1785, 495)));
        }
        // Hidden in its definition, the stellated page's check button is placed but stays hidden.
        if (buttons == 5)
            QCOMPARE(s->control<CommandButton>("cmdcheckit")->isVisible(), screen == TriangleProblems);
    }

    // The lesson screens' size and look; the Jotter and the animated title
    // have windows of their own size.
    static bool isFullSize(const Screen *s, const QString &unreadable)
    {
        return s->screenName() != Jotter && !(s->screenName() == Title && unreadable.isEmpty());
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
