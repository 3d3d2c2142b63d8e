// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/topicmenu.h"

#include "common/colourtable.h"
#include "common/language.h"
#include "common/picturenames.h"
#include "screens/commandbutton.h"
#include "screens/label.h"
#include "screens/pictureview.h"
#include "screens/twipsgeometry.h"
#include "support/testprogram.h"

#include <QtTest>

namespace {

// A control by the name the program gives it: "Label2(3)" for element 3 of Label2.
Label *labelNamed(const Screen *menu, const QString &name)
{
    return menu->findChild<Label *>(name);
}

// The labels lit up, in name order; the web link's box is always filled.
QStringList lit(const Screen *menu)
{
    QStringList on;
    for (const Label *label : menu->findChildren<Label *>()) {
        if (!label->isTransparent() && label->objectName() != u"Label6")
            on.append(label->objectName());
    }
    on.sort();
    return on;
}

// "window" (the window's own area, between the title and the two columns), a
// label ("Label2(0)") or a label's left end ("Label2(0)@left").
QPoint pointFor(const Screen *menu, const QString &target)
{
    const QRect title = labelNamed(menu, "Label1")->geometry(), left = labelNamed(menu, "Label2(0)")->geometry();
    if (target == u"window")
        return QPoint((left.right() + labelNamed(menu, "Label5(0)")->x()) / 2, (title.bottom() + left.top()) / 2);
    const QRect area = labelNamed(menu, target.section(u'@', 0, 0))->geometry();
    return target.endsWith(u"@left") ? QPoint(area.left() + 10, area.center().y()) : area.center();
}

} // namespace

class TestTopicMenu : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestProgram> m_program;

    TopicMenu *menu() { return m_program->screen<TopicMenu>(ScreenNames::Menu); }
    TopicMenu *openMenu()
    {
        m_program->screens().show(ScreenNames::Menu);
        if (!menu() || !QTest::qWaitForWindowExposed(menu()))
            return nullptr;
        // The pointer starts in the window's corner, so that the first move of
        // a test is a real move (Qt drops a move to where the pointer already is).
        QTest::mouseMove(menu()->windowHandle(), QPoint(1, 1));
        return menu();
    }
    void moveTo(const QString &target) { QTest::mouseMove(menu()->windowHandle(), pointFor(menu(), target)); }

private Q_SLOTS:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        m_program.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty()); // nothing left behind
    }

    void loadLaysOutTheMenu_data()
    {
        QTest::addColumn<bool>("background");
        QTest::addColumn<QString>("language");
        QTest::newRow("all pictures") << true << QString();
        // Without it the rest of the load still happens; the window's colour shows instead.
        QTest::newRow("background missing") << false << QString();
        // The exit face in the language's own words.
        QTest::newRow("in German") << true << QStringLiteral("de");
    }
    void loadLaysOutTheMenu()
    {
        QFETCH(bool, background);
        QFETCH(QString, language);
        QVERIFY(Language::install(language));
        const auto english = qScopeGuard([] { Language::install({}); });
        if (!background)
            m_program->pictures().remove(PictureNames::MenuBackground);
        QVERIFY(openMenu());
        QCOMPARE(menu()->backgroundPicture().isNull(), !background);
        const QColor corner = menu()->grab().toImage().pixelColor(0, 0);
        QVERIFY(
            sameColour(corner,
                       background ? TestPictures::colourFor(PictureNames::MenuBackground) : QColor(Colours::Canvas)));
        QVERIFY(sameColour(menu()->control<ImageBox>("Image2")->picture().pixelColor(0, 0),
                           TestPictures::colourFor(PictureNames::Logo)));
        const auto *exit = menu()->control<CommandButton>("Command1");
        QVERIFY(sameColour(exit->picture().pixelColor(0, 0),
                           TestPictures::colourFor(PictureNames::forLanguage(PictureNames::ExitButton, language))));
        QCOMPARE(TwipsGeometry::rect(exit), QRect(90, 7950, 1785, 495));

        QSet<QString> captions;
        for (const QString &column : {QStringLiteral("Label2"), QStringLiteral("Label5")}) {
            QCOMPARE(menu()->indexesOf(column), QList<int>({0, 1, 2, 3, 4, 5}));
            const QRect first = TwipsGeometry::rect(menu()->control<Label>(column, 0));
            for (int i = 0; i < TopicMenu::EntryCount; ++i) {
                const Label *entry = menu()->control<Label>(column, i);
                // Rows 750 twips apart. The last row: hidden (and left as
                // element 0 was) on the left, one empty row further down on the right.
                const bool last = i == TopicMenu::EntryCount - 1, hidden = last && column == u"Label2";
                QCOMPARE(TwipsGeometry::rect(entry), first.translated(0, 750 * (last && !hidden ? i + 1 : i)));
                QCOMPARE(std::tuple(entry->isVisible(), entry->isEnabled(), entry->isTransparent()),
                         std::tuple(!hidden, i == 0 || hidden, true));
                if (!hidden)
                    captions.insert(entry->text());
            }
        }
        // Every entry shown has a caption of its own, not a copy of the first's.
        QCOMPARE(captions.size(), 2 * TopicMenu::EntryCount - 1);
    }

    void hoverHighlightsUntilTheWindow()
    {
        // Where the pointer goes, and the labels lit once it is there: a label
        // lit stays lit, whatever else lights, until the pointer is on the window.
        const QList<std::pair<QString, QStringList>> walk{
            {"window", {}},
            {"Label1", {"Label1"}},
            {"Label2(0)", {"Label1", "Label2(0)"}},
            {"Label2(0)@left", {"Label1", "Label2(0)"}},
            {"Label5(0)", {"Label1", "Label2(0)", "Label5(0)"}},
            {"window", {}},
            {"Label5(0)", {"Label5(0)"}},
            {"Label1", {"Label1", "Label5(0)"}},
            {"window", {}},
        };
        QVERIFY(openMenu());
        QVERIFY(!menu()->childAt(pointFor(menu(), "window")));
        for (const auto &[target, expected] : walk) {
            moveTo(target);
            QVERIFY2(lit(menu()) == expected, qPrintable(target + ": " + lit(menu()).join(u',')));
            // Lit labels fill with their own colour, black behind the title and
            // blue behind the topics; the others let the window show through.
            const QImage shot = menu()->grab().toImage();
            for (const QString name : {"Label1", "Label2(0)", "Label5(0)"}) {
                const QRect area = labelNamed(menu(), name)->geometry();
                const QColor fill =
                    shot.pixelColor(area.left() + 3, area.center().y()); // inside the border, left of the text
                QCOMPARE(fill == QColor(name == u"Label1" ? Colours::Black : Colours::Blue), expected.contains(name));
            }
        }
    }

    void clicks_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("opens"); // the lesson, or empty where the menu stays
        QTest::addColumn<bool>("twice");    // a double-click: still one action
        QTest::newRow("The Angles of a Triangle") << "Label2(0)" << ScreenNames::Proof << false;
        QTest::newRow("Stellated Polygons") << "Label5(0)" << ScreenNames::Explorer << false;
        QTest::newRow("greyed left entry") << "Label2(3)" << QString() << false;
        QTest::newRow("greyed right entry") << "Label5(5)" << QString() << false;
        QTest::newRow("web link") << "Label6" << QString() << false; // opens the address, nothing more
        QTest::newRow("Stellated Polygons, double-click") << "Label5(0)" << ScreenNames::Explorer << true;
        QTest::newRow("web link, double-click") << "Label6" << QString() << true;
    }
    void clicks()
    {
        QFETCH(QString, target);
        QFETCH(QString, opens);
        QFETCH(bool, twice);
        TopicMenu *first = openMenu();
        QVERIFY(first);
        const QImage firstShot = first->grab().toImage();
        QCOMPARE(first->childAt(pointFor(first, target)), labelNamed(first, target));
        QVERIFY(opens.isEmpty() || twice ||
                labelNamed(first, target)->text() == QTest::currentDataTag()); // a topic reads as its lesson
        moveTo(target);
        QCOMPARE(lit(first).isEmpty(), opens.isEmpty()); // only a topic lights up
        Label *label = labelNamed(first, target);
        QSignalSpy clicks(label, &Label::clicked);
        const bool enabled = label->isEnabled();
        if (twice)
            QTest::mouseDClick(first->windowHandle(), Qt::LeftButton, {}, pointFor(first, target));
        else
            QTest::mouseClick(first->windowHandle(), Qt::LeftButton, {}, pointFor(first, target));
        TestProgram::settle();
        QCOMPARE(clicks.size(), enabled ? 1 : 0);
        QCOMPARE(m_program->openedUrls(), target == u"Label6" ? QList<QUrl>{QUrl(Publisher::WebUrl)} : QList<QUrl>{});
        QCOMPARE(m_program->screens().loadedNames(), QStringList{opens.isEmpty() ? ScreenNames::Menu : opens});
        if (opens.isEmpty()) { // the menu stays, the same window, as it was
            QCOMPARE(menu(), first);
            QCOMPARE(first->grab().toImage(), firstShot);
        }
    }
};

QTEST_MAIN(TestTopicMenu)
#include "tst_topicmenu.moc"
