// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/colourtable.h"
#include "common/picturenames.h"
#include "screens/controls.h"
#include "screens/screen.h"
#include "screens/styling.h"
#include "screens/twipsgeometry.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

using namespace ScreenNames;

class TestStyling : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void styledScreensShareOneLook_data();
    void styledScreensShareOneLook();
    void problemsPageButtonsFormAColumn_data();
    void problemsPageButtonsFormAColumn();
    void unreadableFaceStillPlacesItsButton();
    void tabNeverReachesThePictureButtons();
};

void TestStyling::cleanup()
{
    QVERIFY(QGuiApplication::overrideCursor() == nullptr); // the busy pointer always goes
    TestProgram::settle();
}

void TestStyling::styledScreensShareOneLook_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("pictureButtons");
    QTest::newRow("topic menu") << Menu << QStringList{};
    QTest::newRow("proof") << Proof << QStringList{QStringLiteral("cmdexit")};
    QTest::newRow("explorer") << Explorer << QStringList{QStringLiteral("cmdexit")};
    const QStringList all{QStringLiteral("cmdexit"), QStringLiteral("cmdgo"), QStringLiteral("cmdsoln"), QStringLiteral("cmdcheckit"), QStringLiteral("cmdjotter")};
    QTest::newRow("triangle problems") << TriangleProblems << all;
    QTest::newRow("stellated problems") << StellatedProblems << all;
}

void TestStyling::styledScreensShareOneLook()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, pictureButtons);
    TestProgram t;
    Screen *s = t.screens().screen(screen);
    QVERIFY(s);

    QCOMPARE(s->outerWidthTwips(), 12000);
    QCOMPARE(s->outerHeightTwips(), 9000);
    // Centred on any display, with negative margins on a small one.
    const QSize display = QGuiApplication::primaryScreen()->size() * 15;
    QCOMPARE(s->leftTwips(), (display.width() - 12000) / 2.0);
    QCOMPARE(s->topTwips(), (display.height() - 9000) / 2.0);
    if (screen != Menu)
        QCOMPARE(s->backgroundColour(), Colours::StyledWindow);

    for (const QString &name : std::as_const(pictureButtons)) {
        auto *button = s->control<CommandButton>(name);
        QVERIFY2(!button->picture().isNull(), qPrintable(name));
        QCOMPARE(button->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(TwipsGeometry::rect(button).size(), QSize(1785, 495));
    }
    if (auto *exit = s->control<CommandButton>(QStringLiteral("cmdexit")))
        QCOMPARE(TwipsGeometry::rect(exit), QRect(90, 7950, 1785, 495));

    s->show();
    QCOMPARE(s->pos(), QPoint(qRound(s->leftTwips() / 15), qRound(s->topTwips() / 15)));
    QCOMPARE(s->size(), QSize(800, 600)); // no window manager, so no frame
}

void TestStyling::problemsPageButtonsFormAColumn_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("triangle problems") << TriangleProblems;
    QTest::newRow("stellated problems") << StellatedProblems;
}

void TestStyling::problemsPageButtonsFormAColumn()
{
    QFETCH(QString, screen);
    TestProgram t;
    Screen *s = t.screens().screen(screen);
    const QList<QPair<QString, int>> column{{QStringLiteral("cmdgo"), 7950}, {QStringLiteral("cmdjotter"), 7455},
                                            {QStringLiteral("cmdsoln"), 6960}, {QStringLiteral("cmdcheckit"), 6465}};
    for (const auto &[name, top] : column) {
        auto *button = s->control<CommandButton>(name);
        QCOMPARE(TwipsGeometry::rect(button), QRect(10050, top, 1785, 495));
        const QString &face = name == u"cmdgo" ? PictureNames::NextButton : name == u"cmdjotter" ? PictureNames::JotterButton
                            : name == u"cmdsoln" ? PictureNames::AnswerButton : PictureNames::CheckButton;
        QVERIFY(sameColour(button->picture().pixelColor(0, 0), TestPictures::colourFor(face)));
    }
    // Hidden in its definition, the stellated page's check button is placed but stays hidden.
    s->show();
    QCOMPARE(s->control<CommandButton>(QStringLiteral("cmdcheckit"))->isVisible(), screen == TriangleProblems);
}

void TestStyling::unreadableFaceStillPlacesItsButton()
{
    TestProgram t;
    t.pictures().remove(PictureNames::CheckButton);
    t.pictures().writeBytes(PictureNames::AnswerButton, QByteArray("not a picture"));
    Screen *s = t.screens().screen(TriangleProblems);
    auto *check = s->control<CommandButton>(QStringLiteral("cmdcheckit"));
    QVERIFY(check->picture().isNull());
    QCOMPARE(TwipsGeometry::rect(check), QRect(10050, 6465, 1785, 495));
    QVERIFY(s->control<CommandButton>(QStringLiteral("cmdsoln"))->picture().isNull());
    // The others still get their faces.
    QVERIFY(!s->control<CommandButton>(QStringLiteral("cmdjotter"))->picture().isNull());
    QVERIFY(!s->control<CommandButton>(QStringLiteral("cmdexit"))->picture().isNull());
}

void TestStyling::tabNeverReachesThePictureButtons()
{
    TestProgram t;
    t.screens().show(TriangleProblems);
    Screen *s = t.screens().loaded(TriangleProblems);
    QVERIFY(QTest::qWaitForWindowActive(s));
    const QSet<QString> pictureButtons{QStringLiteral("cmdexit"), QStringLiteral("cmdgo"), QStringLiteral("cmdsoln"), QStringLiteral("cmdcheckit"), QStringLiteral("cmdjotter")};
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : s, Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QVERIFY2(!pictureButtons.contains(focus->objectName()), qPrintable(focus->objectName()));
    }
}

QTEST_MAIN(TestStyling)
#include "tst_styling.moc"
