// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/readaloud.h"

#include "common/language.h"
#include "common/speaker.h"
#include "controls/commandbutton.h"
#include "controls/label.h"
#include "problems/answercheck.h"
#include "screens/screen.h"
#include "support/stroke.h"
#include "support/testprogram.h"

#include <QtTest>

namespace {

QString shown(const QString &english)
{
    return QCoreApplication::translate("ScreenDefinitions", english.toUtf8().constData());
}

// The program in `language` with voices for `voices`, one screen open and F8
// pressed on it; the speaker only records what it is told.
struct Reading : Speaker
{
    Reading(const QString &language, const QStringList &voices, const QString &name)
        : installed(Language::install(language))
        , voices(voices)
        , screen(program.open(name))
    {
        if (screen)
            QTest::keyClick(screen, Qt::Key_F8);
    }
    bool speaks(const QString &language) override { return voices.contains(language); }
    void say(const QString &text, const QString &language) override { said << language + u'|' + text; }
    void stop() override { ++stops; }

    bool installed;
    QStringList voices;
    QStringList said; // "language|text"
    int stops = 0;
    TestProgram program;
    ReadAloud reading{*this};
    Screen *screen;
};

} // namespace

// What each screen reads aloud, in each language, as the pupil goes on (a
// problems page its question, below); and the note where no voice reads the
// language. A change is read once the events of what the pupil did are
// through, so each count is waited for.
class TestReadAloud : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each test's program takes its screens with it; the language stays until put back.
    void cleanup() { Language::install(QString()); }

    void readsEachScreen_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("heard");   // English
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
        QCOMPARE(r.said.size(), 1);
        const QString said = r.said.constFirst();
        QVERIFY2(said.startsWith(language + u'|') && said.contains(shown(heard).simplified()), qPrintable(said));
        QVERIFY2(!said.contains(shown(unheard)), qPrintable(said));
    }

    // With reading on, what changes is read: a verdict, the next question,
    // another screen, the next step of the proof; F8 again stops it all.
    void followsThePupil()
    {
        Reading r(QStringLiteral("de"), {QStringLiteral("de")}, ScreenNames::TriangleProblems);
        const QStringList &said = r.said;
        QTest::keyClicks(r.screen->focusWidget(), QStringLiteral("1"));
        QTest::keyClick(r.screen->focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(said.size(), 2);
        QVERIFY2(said.last().contains(AnswerCheck::feedback(AnswerCheck::Verdict::Wrong)), qPrintable(said.last()));
        click(r.screen->control<CommandButton>(QStringLiteral("cmdgo")));
        QTRY_COMPARE(said.size(), 3);
        QVERIFY(said.last().endsWith(r.screen->control<Label>(QStringLiteral("Label1"))->text().simplified()));

        Screen *proof = r.program.open(ScreenNames::Proof);
        QTRY_COMPARE(said.size(), 4);
        click(proof->control<Label>(QStringLiteral("Label5")));
        QTRY_COMPARE(said.size(), 5);
        QVERIFY(said.last().endsWith(proof->control<Label>(QStringLiteral("Label3"))->text().simplified()));

        QTest::keyClick(proof, Qt::Key_F8);
        QVERIFY(!r.reading.isOn());
        QCOMPARE(r.stops, 1);
        click(proof->control<Label>(QStringLiteral("Label5")));
        QCoreApplication::processEvents();
        QCOMPARE(said.size(), 5);
    }

    void noVoiceForTheLanguage()
    {
        const QString note = QStringLiteral("This computer has no voice to read aloud in your language.");
        Reading r(QStringLiteral("pl"), {QStringLiteral("en")}, ScreenNames::Menu);
        QVERIFY(!r.reading.isOn() && r.said.isEmpty());
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
