// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/readaloud.h"

#include "common/language.h"
#include "common/speaker.h"
#include "controls/label.h"
#include "problems/answercheck.h"
#include "screens/screen.h"
#include "support/testprogram.h"

#include <QtTest>

namespace {

// The program in `language` with voices for `voices`, one screen open and F8
// pressed on it; the speaker only records what it is told.
struct Reading : Speaker
{
    Reading(const QString &language, const QStringList &voices, const QString &name)
        : voices(voices)
    {
        // Before the screen is made: it takes its words as it is built.
        QVERIFY(Language::install(language));
        screen = program.open(name);
        if (screen)
            QTest::keyClick(screen, Qt::Key_F8);
    }
    bool speaks(const QString &language) override { return voices.contains(language); }
    void say(const QString &text, const QString &language) override { said << language + u'|' + text; }
    void stop() override { ++stops; }

    QStringList voices;
    QStringList said; // "language|text"
    int stops = 0;
    TestProgram program;
    ReadAloud reading{*this};
    Screen *screen = nullptr;
};

} // namespace

// Reading aloud as the pupil goes on, and the note where no voice reads the
// language. A change is read once the events of what the pupil did are
// through, so each count is waited for.
class TestReadAloud : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each test's program takes its screens with it; the language stays until put back.
    void cleanup() { Language::install(QString()); }

    // With reading on, a problems page reads its question, then a check's
    // verdict, in the pupil's language; F8 again stops it.
    void followsThePupil()
    {
        Reading r(QStringLiteral("de"), {QStringLiteral("de")}, ScreenNames::TriangleProblems);
        QVERIFY(r.screen);
        QTest::keyClicks(r.screen->focusWidget(), QStringLiteral("1"));
        QTest::keyClick(r.screen->focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(r.said.size(), 2);
        const QString question = r.screen->control<Label>(QStringLiteral("Label1"))->text().simplified();
        QVERIFY2(r.said.first().startsWith(QStringLiteral("de|")) && r.said.first().endsWith(question),
                 qPrintable(r.said.first()));
        const QString &verdict = r.said.last();
        QVERIFY2(verdict.contains(AnswerCheck::feedback(AnswerCheck::Verdict::Wrong)), qPrintable(verdict));
        QTest::keyClick(r.screen, Qt::Key_F8);
        QVERIFY(!r.reading.isOn());
        QCOMPARE(r.stops, 1);
    }

    void noVoiceForTheLanguage()
    {
        Reading r(QStringLiteral("pl"), {QStringLiteral("en")}, ScreenNames::Menu);
        QVERIFY(!r.reading.isOn() && r.said.isEmpty());
        const auto *note = r.screen->findChild<Label *>(QStringLiteral("SpeechNote"));
        QVERIFY(note && note->isVisible());
        const char *english = "This computer has no voice to read aloud in your language.";
        QCOMPARE(note->text(), QCoreApplication::translate("ScreenDefinitions", english));
        // It goes by itself and leaves the screen as it was.
        QTRY_VERIFY_WITH_TIMEOUT(!r.screen->findChild<Label *>(QStringLiteral("SpeechNote")), 6000);
        QCOMPARE(r.screen->grab().toImage(), TestProgram().open(ScreenNames::Menu)->grab().toImage());
    }
};

QTEST_MAIN(TestReadAloud)
#include "tst_readaloud.moc"
