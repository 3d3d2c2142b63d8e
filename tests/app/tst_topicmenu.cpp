// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/topicmenu.h"

#include "common/colourtable.h"
#include "common/picturenames.h"
#include "screens/controls.h"
#include "screens/twipsgeometry.h"
#include "support/testprogram.h"

#include <QRegularExpression>
#include <QtTest>
#include <memory>

namespace {

// "Label2(3)" names element 3 of Label2; "Label1" a control outside any array.
Label *labelNamed(const Screen *screen, const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\w+)(?:\\((\\d+)\\))?$"));
    const QRegularExpressionMatch m = pattern.match(name);
    return m.hasMatch() ? screen->control<Label>(m.captured(1), m.captured(2).isEmpty() ? NoIndex : m.captured(2).toInt()) : nullptr;
}

// The labels lit up: the title first, then the left column and the right.
QStringList lit(const Screen *menu)
{
    QStringList on;
    if (!menu->control<Label>(QStringLiteral("Label1"))->isTransparent())
        on.append(QStringLiteral("Label1"));
    for (const QString &column : {QStringLiteral("Label2"), QStringLiteral("Label5")}) {
        for (int i : menu->indexesOf(column)) {
            if (!menu->control<Label>(column, i)->isTransparent())
                on.append(QStringLiteral("%1(%2)").arg(column).arg(i));
        }
    }
    return on;
}

// "window" (the window's own area, between the title and the two columns), a
// label ("Label2(0)") or a label's left end ("Label2(0)@left").
QPoint pointFor(const Screen *menu, const QString &target)
{
    const QRect title = labelNamed(menu, QStringLiteral("Label1"))->geometry();
    const QRect left = labelNamed(menu, QStringLiteral("Label2(0)"))->geometry();
    const QRect right = labelNamed(menu, QStringLiteral("Label5(0)"))->geometry();
    if (target == u"window")
        return QPoint((left.right() + right.left()) / 2, (title.bottom() + left.top()) / 2);
    const QStringList parts = target.split(u'@');
    const QRect area = labelNamed(menu, parts.first())->geometry();
    return parts.size() > 1 ? QPoint(area.left() + 10, area.center().y()) : area.center();
}

} // namespace

class TestTopicMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup();
    void loadLaysOutTheMenu();
    void missingPictureIsLeftOut();
    void hoverHighlightsUntilTheWindow();
    void clicks_data();
    void clicks();

private:
    TopicMenu *openMenu();
    TopicMenu *menu() { return m_program->screen<TopicMenu>(ScreenNames::Menu); }
    void moveTo(const QString &target) { QTest::mouseMove(menu()->windowHandle(), pointFor(menu(), target)); }
    void clickOn(const QString &target) { QTest::mouseClick(menu()->windowHandle(), Qt::LeftButton, {}, pointFor(menu(), target)); }
    std::unique_ptr<TestProgram> m_program;
};

void TestTopicMenu::cleanup()
{
    m_program.reset();
    TestProgram::settle();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

TopicMenu *TestTopicMenu::openMenu()
{
    m_program->screens().show(ScreenNames::Menu);
    if (!menu() || !QTest::qWaitForWindowExposed(menu()))
        return nullptr;
    // The pointer starts in the window's corner, so that the first move of a
    // test is a real move (Qt drops a move to where the pointer already is).
    QTest::mouseMove(menu()->windowHandle(), QPoint(1, 1));
    return menu();
}

void TestTopicMenu::loadLaysOutTheMenu()
{
    QVERIFY(openMenu());
    QVERIFY(sameColour(menu()->backgroundPicture().pixelColor(0, 0), TestPictures::colourFor(PictureNames::MenuBackground)));
    QStringList captions;
    for (const QString &column : {QStringLiteral("Label2"), QStringLiteral("Label5")}) {
        QCOMPARE(menu()->indexesOf(column), QList<int>({0, 1, 2, 3, 4, 5}));
        const QRect first = TwipsGeometry::rect(menu()->control<Label>(column, 0));
        for (int i = 0; i < TopicMenu::EntryCount; ++i) {
            const Label *entry = menu()->control<Label>(column, i);
            // Rows 750 twips apart. The last row: hidden (and left as element
            // 0 was) on the left, one empty row further down on the right.
            const bool last = i == TopicMenu::EntryCount - 1;
            const bool hidden = last && column == u"Label2";
            QCOMPARE(TwipsGeometry::rect(entry), first.translated(0, 750 * (last && !hidden ? i + 1 : i)));
            QCOMPARE(entry->isVisible(), !hidden);
            QCOMPARE(entry->isEnabled(), i == 0 || hidden);
            QVERIFY(entry->isTransparent());
            if (!hidden)
                captions.append(entry->text());
        }
    }
    // Every entry shown has a caption of its own, not a copy of the first's.
    captions.removeDuplicates();
    QCOMPARE(captions.size(), 2 * TopicMenu::EntryCount - 1);
    QVERIFY(!captions.contains(QString()));
}

void TestTopicMenu::missingPictureIsLeftOut()
{
    // Without the background the others still go where they belong and the
    // rest of the load happens; the window's colour shows instead.
    m_program->pictures().remove(PictureNames::MenuBackground);
    QVERIFY(openMenu());
    QVERIFY(menu()->backgroundPicture().isNull());
    QVERIFY(sameColour(menu()->control<ImageBox>(QStringLiteral("Image2"))->picture().pixelColor(0, 0), TestPictures::colourFor(PictureNames::Logo)));
    const auto *exit = menu()->control<CommandButton>(QStringLiteral("Command1"));
    QVERIFY(sameColour(exit->picture().pixelColor(0, 0), TestPictures::colourFor(PictureNames::ExitButton)));
    QCOMPARE(TwipsGeometry::rect(exit), QRect(90, 7950, 1785, 495));
    QCOMPARE(menu()->indexesOf(QStringLiteral("Label5")).size(), TopicMenu::EntryCount);
    QCOMPARE(menu()->grab().toImage().pixelColor(0, 0), QColor(Colours::Canvas));
}

void TestTopicMenu::hoverHighlightsUntilTheWindow()
{
    // Where the pointer goes, and the labels lit once it is there: a label
    // lit stays lit, whatever else lights, until the pointer is on the window.
    const QList<std::pair<QString, QStringList>> walk{
        {"window", {}}, {"Label1", {"Label1"}}, {"Label2(0)", {"Label1", "Label2(0)"}}, {"Label2(0)@left", {"Label1", "Label2(0)"}},
        {"Label5(0)", {"Label1", "Label2(0)", "Label5(0)"}}, {"window", {}}, {"Label5(0)", {"Label5(0)"}},
        {"Label1", {"Label1", "Label5(0)"}}, {"window", {}},
    };
    QVERIFY(openMenu());
    QVERIFY(!menu()->childAt(pointFor(menu(), QStringLiteral("window"))));
    QVERIFY(lit(menu()).isEmpty());
    for (const auto &[target, expected] : walk) {
        moveTo(target);
        QVERIFY2(lit(menu()) == expected, qPrintable(target + QStringLiteral(": ") + lit(menu()).join(u',')));
        // Lit labels fill with their own colour, black behind the title and
        // blue behind the topics; the others let the window show through.
        const QImage shot = menu()->grab().toImage();
        for (const QString &name : {QStringLiteral("Label1"), QStringLiteral("Label2(0)"), QStringLiteral("Label5(0)")}) {
            const QRect area = labelNamed(menu(), name)->geometry();
            const QColor fill = shot.pixelColor(area.left() + 3, area.center().y()); // inside the border, left of the text
            QCOMPARE(fill == (name == u"Label1" ? QColor(Colours::Black) : QColor(Colours::Blue)), expected.contains(name));
        }
    }
}

void TestTopicMenu::clicks_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("opens"); // the lesson, or empty where the menu stays
    QTest::addColumn<bool>("browserOpens");
    QTest::newRow("The Angles of a Triangle") << "Label2(0)" << ScreenNames::Proof << false;
    QTest::newRow("Stellated Polygons") << "Label5(0)" << ScreenNames::Explorer << false;
    for (const QString &column : {QStringLiteral("Label2"), QStringLiteral("Label5")}) {
        for (int i = 1; i < TopicMenu::EntryCount; ++i) {
            const QString name = QStringLiteral("%1(%2)").arg(column).arg(i);
            if (name != u"Label2(5)")
                QTest::newRow(qPrintable(name + QStringLiteral(" greyed"))) << name << QString() << false;
        }
    }
    // Whether a browser opened or not, the address is all that happens.
    QTest::newRow("web link") << "Label6" << QString() << true;
    QTest::newRow("web link, no browser") << "Label6" << QString() << false;
}

void TestTopicMenu::clicks()
{
    QFETCH(QString, target);
    QFETCH(QString, opens);
    QFETCH(bool, browserOpens);
    QList<QUrl> opened;
    m_program->program().setUrlOpener([&opened, browserOpens](const QUrl &url) {
        opened.append(url);
        return browserOpens;
    });
    TopicMenu *first = openMenu();
    QVERIFY(first);
    const QImage firstShot = first->grab().toImage();
    QCOMPARE(first->childAt(pointFor(first, target)), labelNamed(first, target));
    moveTo(target);
    QCOMPARE(lit(first).isEmpty(), opens.isEmpty()); // only a topic lights up
    clickOn(target);
    TestProgram::settle();
    QCOMPARE(opened, target == u"Label6" ? QList<QUrl>{QUrl(Publisher::WebUrl)} : QList<QUrl>{});
    QCOMPARE(m_program->screens().loadedNames(), QStringList{opens.isEmpty() ? ScreenNames::Menu : opens});

    if (!opens.isEmpty()) {
        // Back from the lesson, the menu is as it first was.
        Screen *page = m_program->screens().loaded(opens);
        QVERIFY(QTest::qWaitForWindowExposed(page));
        const QRect exit = page->control<CommandButton>(QStringLiteral("cmdexit"))->geometry();
        QTest::mouseClick(page->windowHandle(), Qt::LeftButton, {}, exit.center());
        TestProgram::settle();
        QCOMPARE(m_program->screens().loadedNames(), QStringList{ScreenNames::Menu});
        QVERIFY(QTest::qWaitForWindowExposed(menu()));
    } else {
        QCOMPARE(menu(), first);
    }
    QVERIFY(lit(menu()).isEmpty());
    QCOMPARE(menu()->grab().toImage(), firstShot);
}

QTEST_MAIN(TestTopicMenu)
#include "tst_topicmenu.moc"
