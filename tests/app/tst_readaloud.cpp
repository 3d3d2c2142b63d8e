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

// What each screen reads aloud, in each language, as the pupil goes on;
// and the note where no voice reads the language.
class TestReadAloud : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void readsEachScreen_data();
    void readsEachScreen();
    void followsThePupil();
    void noVoiceForTheLanguage();
};

namespace {

// Speaks the languages it is given, and only records.
class RecordingSpeaker : public Speaker
{
public:
    explicit RecordingSpeaker(QStringList languages)
        : m_languages(std::move(languages))
    {
    }
    bool speaks(const QString &language) override { return m_languages.contains(language); }
    void say(const QString &text, const QString &language) override { said << language + u'|' + text; }
    void stop() override { ++stops; }

    QStringList said; // "language|text"
    int stops = 0;

private:
    QStringList m_languages;
};

QString shown(const char *english)
{
    return QCoreApplication::translate("ScreenDefinitions", english);
}

void pressF8(QWidget *window)
{
    QTest::keyClick(window, Qt::Key_F8);
    QCoreApplication::processEvents();
}

} // namespace

void TestReadAloud::cleanup()
{
    Language::install(QString());
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    TestProgram::settle();
}

void TestReadAloud::readsEachScreen_data()
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

void TestReadAloud::readsEachScreen()
{
    QFETCH(QString, language);
    QFETCH(QString, screen);
    QFETCH(QString, heard);
    QFETCH(QString, unheard);
    QVERIFY(Language::install(language));
    TestProgram program;
    RecordingSpeaker speaker(QStringList{QStringLiteral("en")} + Language::translated());
    ReadAloud reading(speaker);
    Screen *shownScreen = program.open(screen);
    QVERIFY(shownScreen);
    pressF8(shownScreen);
    QCOMPARE(speaker.said.size(), 1);
    const QString said = speaker.said.constFirst();
    const QString expected = heard.isEmpty() ? shownScreen->control<Label>(QStringLiteral("Label1"))->text()
                                             : shown(heard.toUtf8().constData());
    QVERIFY2(said.startsWith(language + u'|') && said.contains(expected.simplified()), qPrintable(said));
    QVERIFY2(!said.contains(shown(unheard.toUtf8().constData())), qPrintable(said));
}

// With reading on, what changes is read: a verdict, the next question, the
// next step of the proof; F8 again stops, and nothing more is read.
void TestReadAloud::followsThePupil()
{
    QVERIFY(Language::install(QStringLiteral("de")));
    TestProgram program;
    RecordingSpeaker speaker({QStringLiteral("de")});
    ReadAloud reading(speaker);
    Screen *page = program.open(ScreenNames::TriangleProblems);
    pressF8(page);
    QTest::keyClicks(page->focusWidget(), QStringLiteral("1"));
    QTest::keyClick(page->focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(speaker.said.size(), 2);
    QVERIFY2(speaker.said.last().contains(AnswerCheck::feedback(AnswerCheck::Verdict::Wrong)),
             qPrintable(speaker.said.last()));
    QTest::mouseClick(page->control<CommandButton>(QStringLiteral("cmdgo")), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(speaker.said.size(), 3);
    QVERIFY(speaker.said.last().endsWith(page->control<Label>(QStringLiteral("Label1"))->text().simplified()));

    Screen *proof = program.open(ScreenNames::Proof);
    QCoreApplication::processEvents();
    QCOMPARE(speaker.said.size(), 4); // another screen is read as it comes
    QTest::mouseClick(proof->control<Label>(QStringLiteral("Label5")), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(speaker.said.size(), 5);
    QVERIFY(speaker.said.last().endsWith(proof->control<Label>(QStringLiteral("Label3"))->text().simplified()));

    const int stops = speaker.stops;
    pressF8(proof);
    QVERIFY(!reading.isOn());
    QCOMPARE(speaker.stops, stops + 1);
    QTest::mouseClick(proof->control<Label>(QStringLiteral("Label5")), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(speaker.said.size(), 5);
}

void TestReadAloud::noVoiceForTheLanguage()
{
    QVERIFY(Language::install(QStringLiteral("pl")));
    TestProgram program;
    RecordingSpeaker speaker({QStringLiteral("en")});
    ReadAloud reading(speaker);
    Screen *menu = program.open(ScreenNames::Menu);
    const QImage before = menu->grab().toImage();
    pressF8(menu);
    QVERIFY(!reading.isOn());
    QVERIFY(speaker.said.isEmpty());
    const auto *note = menu->findChild<Label *>(QStringLiteral("SpeechNote"));
    QVERIFY(note && note->isVisible());
    QCOMPARE(note->text(), shown("This computer has no voice to read aloud in your language."));
    QVERIFY(note->text() != QLatin1String("This computer has no voice to read aloud in your language."));
    // It goes by itself and leaves the screen as it was.
    QTRY_VERIFY_WITH_TIMEOUT(!menu->findChild<Label *>(QStringLiteral("SpeechNote")), 6000);
    QCOMPARE(menu->grab().toImage(), before);
}

QTEST_MAIN(TestReadAloud)
#include "tst_readaloud.moc"
