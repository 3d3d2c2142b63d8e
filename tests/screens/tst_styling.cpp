// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "common/language.h"
#include "common/picturenames.h"
#include "screens/commandbutton.h"
#include "screens/screen.h"
#include "screens/twipsgeometry.h"
#include "support/testprogram.h"

#include <QScreen>
#include <QTest>

using namespace ScreenNames;

class TestStyling : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void styledScreensShareOneLook_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("buttons"); // how many picture buttons it has, counted from the exit button
        QTest::addColumn<QString>("unreadable");
        QTest::addColumn<QString>("language");
        QTest::newRow("topic menu") << Menu << 0 << QString() << QString();
        QTest::newRow("proof") << Proof << 1 << QString() << QString();
        QTest::newRow("explorer") << Explorer << 1 << QString() << QString();
        QTest::newRow("triangle problems") << TriangleProblems << 5 << QString() << QString();
        QTest::newRow("stellated problems") << StellatedProblems << 5 << QString() << QString();
        // A face that cannot be read is left out; the rest of the styling still happens.
        QTest::newRow("missing face") << TriangleProblems << 5 << PictureNames::AnswerButton << QString();
        // The faces in the language's own words; where one cannot be read, the English one.
        QTest::newRow("French faces") << TriangleProblems << 5 << QString() << QStringLiteral("fr");
        QTest::newRow("German face missing")
            << StellatedProblems << 5 << PictureNames::forLanguage(PictureNames::CheckButton, QStringLiteral("de"))
            << QStringLiteral("de");
    }
    void styledScreensShareOneLook()
    {
        QFETCH(QString, screen);
        QFETCH(int, buttons);
        QFETCH(QString, unreadable);
        QFETCH(QString, language);
        QVERIFY(Language::install(language));
        const auto english = qScopeGuard([] { Language::install({}); });
        TestProgram t;
        if (!unreadable.isEmpty())
            t.pictures().writeBytes(unreadable, QByteArray("not a picture"));
        Screen *s = t.screens().screen(screen);
        QVERIFY(s);
        QVERIFY(!QGuiApplication::overrideCursor()); // the busy pointer always goes

        // Centred on any display, with negative margins on a small one.
        const QSize display = QGuiApplication::primaryScreen()->size() * 15;
        QCOMPARE(QSize(s->outerWidthTwips(), s->outerHeightTwips()), QSize(12000, 9000));
        QCOMPARE(QPointF(s->leftTwips(), s->topTwips()), QPointF(display.width() - 12000, display.height() - 9000) / 2);
        QVERIFY(screen == Menu || s->backgroundColour() == Colours::StyledWindow);

        // The exit button bottom left; the others stacked upwards in a column
        // at the right, each directly above the one before.
        const QList<std::tuple<QString, QString, QPoint>> pictureButtons{
            {"cmdexit", PictureNames::ExitButton, {90, 7950}},
            {"cmdgo", PictureNames::NextButton, {10050, 7950}},
            {"cmdjotter", PictureNames::JotterButton, {10050, 7455}},
            {"cmdsoln", PictureNames::AnswerButton, {10050, 6960}},
            {"cmdcheckit", PictureNames::CheckButton, {10050, 6465}}};
        for (const auto &[name, face, place] : pictureButtons.first(buttons)) {
            auto *button = s->control<CommandButton>(name);
            QVERIFY2(button, qPrintable(name));
            const QString own = PictureNames::forLanguage(face, language);
            const QString shown = own == unreadable ? face : own;
            QCOMPARE(button->picture().isNull(), shown == unreadable);
            QVERIFY(button->picture().isNull() ||
                    sameColour(button->picture().pixelColor(0, 0), TestPictures::colourFor(shown)));
            QCOMPARE(TwipsGeometry::rect(button), QRect(place, QSize(1785, 495)));
            QCOMPARE(button->focusPolicy(), Qt::ClickFocus); // never reached by Tab
        }

        s->show();
        // The whole window, frame included where there is one.
        QCOMPARE(s->frameGeometry(), QRect(qRound(s->leftTwips() / 15), qRound(s->topTwips() / 15), 800, 600));
        // Hidden in its definition, the stellated page's check button is placed but stays hidden.
        if (buttons == 5)
            QCOMPARE(s->control<CommandButton>("cmdcheckit")->isVisible(), screen == TriangleProblems);
    }
};

QTEST_MAIN(TestStyling)
#include "tst_styling.moc"
