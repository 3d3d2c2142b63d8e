// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/readaloud.h"

#include "common/language.h"
#include "common/speaker.h"
#include "controls/commandbutton.h"
#include "controls/label.h"
#include "problems/answercheck.h"
#include "screens/screen.h"
#include "support/testprogram.h"

#include <QtTest>

namespace {

// Has a voice for the languages it is given, and only records what it is told.
struct RecordingSpeaker : Speaker
{
    bool speaks(const QString &language) override { return voices.contains(language); }
    void say(const QString &text, const QString &language) override { said << language + u'|' + text; }
    void stop() override { ++stops; }

    QStringList voices;
    QStringList said; // "language|text"
    int stops = 0;
};

QString shown(const QString &english)
{
    return QCoreApplication::translate("ScreenDefinitions", english.toUtf8().constData());
}

// Lets what the pupil did, and what it changed, come through.
void press(QWidget *target, Qt::Key key = Qt::Key_F8)
{
    QTest::keyClick(target, key);
    QCoreApplication::processEvents();
}

void click(QWidget *target)
{
    QTest::mouseClick(target, Qt::LeftButton);
    QCoreApplication::processEvents();
}

// The program in `language` with voices for `voices`, one screen open and F8 pressed on it.
struct Reading
{
    Reading(const QString &language, const QStringList &voices, const QString &name)
        : installed(Language::install(language))
        , reading(speaker)
        , screen(program.open(name))
    {
        speaker.voices = voices;
        if (screen)
            press(screen);
    }
    bool installed;
    TestProgram program;
    RecordingSpeaker speaker;
    ReadAloud reading;
    Screen *screen;
};

} // namespace

// What each screen reads aloud, in each language, as the pupil goes on; and
// the note where no voice reads the language.
class TestReadAloud : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        Language::install(QString());
        for (QWidget *window : QApplication::topLevelWidgets())
            window->close();
        TestProgram::settle();
    }

    void readsEachScreen_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("heard");   // English; "" for the question shown
        QTest::addColumn<QString>("unheard"); // English words on the screen that are not read
        for (const QString &language : QStringList{QStringLiteral("en")} + Language::translated()) {
            const auto row = [&](const QString &screen, const char *heard, const char *unheard) {
                QTest::addRow("%s, %s", qPrintable(language), qPrintable(screen))
                    << language << screen << QString::fromUtf8(heard) << QString::fromUtf8(unheard);
            };
            row(ScreenNames::Title, "Vertexa 1", "OK");
            row(ScreenNames::Menu, "Stellated Polygons", "version 4.0.006");
            row(ScreenNames::Proof, "The angles of the triangle below are labelled R, P and Q.", "Problems Page");
            row(ScreenNames::Explorer,
                "To draw a new stellated polygon enter numbers into the text boxes and press Enter.",
                "Problems Page");
            row(ScreenNames::TriangleProblems, "", "Full Screen");
            row(ScreenNames::StellatedProblems, "", "Full Screen");
        }
    }
    void readsEachScreen()
    {
        QFETCH(QString, language);
        QFETCH(QString, screen);
        QFETCH(QString, heard);
        QFETCH(QString, unheard);
        Reading r(language, QStringList{QStringLiteral("en")} + Language::translated(), screen);
        QVERIFY(r.installed && r.screen);
        QCOMPARE(r.speaker.said.size(), 1);
        const QString said = r.speaker.said.constFirst();
        const QString expected =
            heard.isEmpty() ? r.screen->control<Label>(QStringLiteral("Label1"))->text() : shown(heard);
        QVERIFY2(said.startsWith(language + u'|') && said.contains(expected.simplified()), qPrintable(said));
        QVERIFY2(!said.contains(shown(unheard)), qPrintable(said));
    }

    // With reading on, what changes is read: a verdict, the next question,
    // another screen, the next step of the proof; F8 again stops it all.
    void followsThePupil()
    {
        Reading r(QStringLiteral("de"), {QStringLiteral("de")}, ScreenNames::TriangleProblems);
        const QStringList &said = r.speaker.said;
        QTest::keyClicks(r.screen->focusWidget(), QStringLiteral("1"));
        press(r.screen->focusWidget(), Qt::Key_Return);
        QCOMPARE(said.size(), 2);
        QVERIFY2(said.last().contains(AnswerCheck::feedback(AnswerCheck::Verdict::Wrong)), qPrintable(said.last()));
        click(r.screen->control<CommandButton>(QStringLiteral("cmdgo")));
        QCOMPARE(said.size(), 3);
        QVERIFY(said.last().endsWith(r.screen->control<Label>(QStringLiteral("Label1"))->text().simplified()));

        Screen *proof = r.program.open(ScreenNames::Proof);
        QCoreApplication::processEvents();
        QCOMPARE(said.size(), 4);
        click(proof->control<Label>(QStringLiteral("Label5")));
        QCOMPARE(said.size(), 5);
        QVERIFY(said.last().endsWith(proof->control<Label>(QStringLiteral("Label3"))->text().simplified()));

        press(proof);
        QVERIFY(!r.reading.isOn());
        QCOMPARE(r.speaker.stops, 1);
        click(proof->control<Label>(QStringLiteral("Label5")));
        QCOMPARE(said.size(), 5);
    }

    void noVoiceForTheLanguage()
    {
        const QString note = QStringLiteral("This computer has no voice to read aloud in your language.");
        Reading r(QStringLiteral("pl"), {QStringLiteral("en")}, ScreenNames::Menu);
        QVERIFY(!r.reading.isOn() && r.speaker.said.isEmpty());
        const auto *shownNote = r.screen->findChild<Label *>(QStringLiteral("SpeechNote"));
        QVERIFY(shownNote && shownNote->isVisible());
        QCOMPARE(shownNote->text(), shown(note));
        QVERIFY(shownNote->text() != note);
        // It goes by itself and leaves the screen as it was.
        QTRY_VERIFY_WITH_TIMEOUT(!r.screen->findChild<Label *>(QStringLiteral("SpeechNote")), 6000);
        QCOMPARE(r.screen->grab().toImage(), TestProgram().open(ScreenNames::Menu)->grab().toImage());
    }
};

QTEST_MAIN(TestReadAloud)
#include "tst_readaloud.moc"
