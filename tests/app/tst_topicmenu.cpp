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

const QStringList AllLabels{
    QStringLiteral("Label1"),    QStringLiteral("Label2(0)"), QStringLiteral("Label2(1)"), QStringLiteral("Label2(2)"),
    QStringLiteral("Label2(3)"), QStringLiteral("Label2(4)"), QStringLiteral("Label2(5)"), QStringLiteral("Label5(0)"),
    QStringLiteral("Label5(1)"), QStringLiteral("Label5(2)"), QStringLiteral("Label5(3)"), QStringLiteral("Label5(4)"),
    QStringLiteral("Label5(5)"),
};

// "Label2(3)" names element 3 of Label2; "Label1" a control outside any array.
Label *labelNamed(const Screen *screen, const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\w+)(?:\\((\\d+)\\))?$"));
    const QRegularExpressionMatch m = pattern.match(name);
    if (!m.hasMatch())
        return nullptr;
    return screen->control<Label>(m.captured(1), m.captured(2).isEmpty() ? NoIndex : m.captured(2).toInt());
}

QStringList highlighted(const Screen *menu)
{
    QStringList on;
    for (const QString &name : AllLabels) {
        if (const Label *label = labelNamed(menu, name); label && !label->isTransparent())
            on.append(name);
    }
    return on;
}

// Everything a pupil can see of the menu's labels, one line each.
QStringList labelState(const Screen *menu)
{
    QStringList state;
    for (const QString &name : AllLabels) {
        const Label *label = labelNamed(menu, name);
        if (!label) {
            state.append(name + QStringLiteral(" missing"));
            continue;
        }
        const QRect r = TwipsGeometry::rect(label);
        state.append(QStringLiteral("%1 %2,%3 %4x%5 '%6' enabled=%7 visible=%8 transparent=%9")
                         .arg(name)
                         .arg(r.left())
                         .arg(r.top())
                         .arg(r.width())
                         .arg(r.height())
                         .arg(label->text())
                         .arg(label->isEnabled())
                         .arg(label->isVisibleTo(menu))
                         .arg(label->isTransparent()));
    }
    return state;
}

// A point of the window's own area, between the title and the two columns.
QPoint windowPoint(const Screen *menu)
{
    const QRect title = labelNamed(menu, QStringLiteral("Label1"))->geometry();
    const QRect left = labelNamed(menu, QStringLiteral("Label2(0)"))->geometry();
    const QRect right = labelNamed(menu, QStringLiteral("Label5(0)"))->geometry();
    return QPoint((left.right() + right.left()) / 2, (title.bottom() + left.top()) / 2);
}

// "window", a label ("Label2(0)") or a label's left end ("Label2(0)@left").
QPoint pointFor(const Screen *menu, const QString &target)
{
    if (target == QStringLiteral("window"))
        return windowPoint(menu);
    const QStringList parts = target.split(u'@');
    const QRect area = labelNamed(menu, parts.first())->geometry();
    return parts.size() > 1 ? QPoint(area.left() + 10, area.center().y()) : area.center();
}

// The colour just inside a label's border, left of any text.
QColor fillOf(Screen *menu, const QString &name)
{
    const QRect area = labelNamed(menu, name)->geometry();
    return menu->grab().toImage().pixelColor(area.left() + 3, area.center().y());
}

// Keeps a picture for a person to look at, when VERTEXA_SCREENSHOTS names a folder.
void keepForViewing(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("VERTEXA_SCREENSHOTS");
    if (!folder.isEmpty())
        widget->grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

} // namespace

class TestTopicMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void entriesAfterLoad_data();
    void entriesAfterLoad();
    void copiesLookLikeTheFirstEntry();
    void loadPlacesPicturesAndExitButton();
    void missingPicturesAreLeftOut_data();
    void missingPicturesAreLeftOut();
    void hoverHighlights_data();
    void hoverHighlights();
    void disabledEntriesIgnoreThePointer_data();
    void disabledEntriesIgnoreThePointer();
    void topicsOpenTheirScreens_data();
    void topicsOpenTheirScreens();
    void returningShowsTheFirstOpening_data();
    void returningShowsTheFirstOpening();
    void webLinkOpensTheAddressOnly_data();
    void webLinkOpensTheAddressOnly();

private:
    TopicMenu *openMenu();
    std::unique_ptr<TestProgram> m_program;
};

void TestTopicMenu::init()
{
    m_program = std::make_unique<TestProgram>();
}

void TestTopicMenu::cleanup()
{
    m_program.reset();
    TestProgram::settle();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

TopicMenu *TestTopicMenu::openMenu()
{
    m_program->screens().show(ScreenNames::Menu);
    auto *menu = m_program->screen<TopicMenu>(ScreenNames::Menu);
    if (menu && !QTest::qWaitForWindowExposed(menu))
        return nullptr;
    // The pointer starts in the window's corner, so that the first move of a
    // test is a real move (Qt drops a move to where the pointer already is).
    if (menu)
        QTest::mouseMove(menu->windowHandle(), QPoint(1, 1));
    return menu;
}

void TestTopicMenu::entriesAfterLoad_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("visible");

    QTest::newRow("Label2(0)") << "Label2(0)" << 360 << 2520 << "The Angles of a Triangle" << true << true;
    QTest::newRow("Label2(1)") << "Label2(1)" << 360 << 3270 << "Regular Polygons" << false << true;
    QTest::newRow("Label2(2)") << "Label2(2)" << 360 << 4020 << "Angles of Regular Polygons" << false << true;
    QTest::newRow("Label2(3)") << "Label2(3)" << 360 << 4770 << "Circumcircles and Incircles" << false << true;
    QTest::newRow("Label2(4)") << "Label2(4)" << 360 << 5520 << "Area of Regular Polygons" << false << true;
    QTest::newRow("Label2(5)") << "Label2(5)" << 360 << 6270 << "The Angles of a Triangle" << true << false;
    QTest::newRow("Label5(0)") << "Label5(0)" << 6240 << 2520 << "Stellated Polygons" << true << true;
    QTest::newRow("Label5(1)") << "Label5(1)" << 6240 << 3270 << "Archimedes' Estimate of Pi" << false << true;
    QTest::newRow("Label5(2)") << "Label5(2)" << 6240 << 4020 << "The Regular Tessellations" << false << true;
    QTest::newRow("Label5(3)") << "Label5(3)" << 6240 << 4770 << "Semi-regular Tessellations" << false << true;
    QTest::newRow("Label5(4)") << "Label5(4)" << 6240 << 5520 << "Dual Tessellations" << false << true;
    QTest::newRow("Label5(5)") << "Label5(5)" << 6240 << 7020 << "Animation Sequence" << false << true;
}

void TestTopicMenu::entriesAfterLoad()
{
    QFETCH(QString, entry);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    QFETCH(bool, visible);

    TopicMenu *menu = openMenu();
    QVERIFY(menu);
    const Label *label = labelNamed(menu, entry);
    QVERIFY(label);
    QCOMPARE(TwipsGeometry::rect(label), QRect(left, top, 5355, 495));
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->isEnabled(), enabled);
    QCOMPARE(label->isVisible(), visible);
    QVERIFY(label->isTransparent());
}

void TestTopicMenu::copiesLookLikeTheFirstEntry()
{
    TopicMenu *menu = openMenu();
    QVERIFY(menu);
    for (const QString &column : {QStringLiteral("Label2"), QStringLiteral("Label5")}) {
        QCOMPARE(menu->indexesOf(column), QList<int>({0, 1, 2, 3, 4, 5}));
        const Label *first = menu->control<Label>(column, 0);
        for (int i = 1; i < TopicMenu::EntryCount; ++i) {
            const Label *copy = menu->control<Label>(column, i);
            QVERIFY(copy);
            QCOMPARE(copy->font(), first->font());
            QCOMPARE(copy->foreColour(), first->foreColour());
            QCOMPARE(copy->backColour(), QColor(Colours::Blue));
            QCOMPARE(copy->alignment(), first->alignment());
            QCOMPARE(copy->isBordered(), first->isBordered());
        }
    }
}

void TestTopicMenu::loadPlacesPicturesAndExitButton()
{
    TopicMenu *menu = openMenu();
    QVERIFY(menu);
    QCOMPARE(menu->backgroundColour(), QColor(Colours::Canvas));
    QVERIFY(sameColour(menu->backgroundPicture().pixelColor(0, 0), TestPictures::colourFor(PictureNames::MenuBackground)));
    const auto *logo = menu->control<ImageBox>(QStringLiteral("Image2"));
    QVERIFY(sameColour(logo->picture().pixelColor(0, 0), TestPictures::colourFor(PictureNames::Logo)));
    const auto *exit = menu->control<CommandButton>(QStringLiteral("Command1"));
    QVERIFY(sameColour(exit->picture().pixelColor(0, 0), TestPictures::colourFor(PictureNames::ExitButton)));
    QCOMPARE(TwipsGeometry::rect(exit), QRect(90, 7950, 1785, 495));

    // The picture is drawn unscaled from the top-left corner and the colour
    // shows beyond it (the test picture is one pixel).
    keepForViewing(menu, QStringLiteral("menu"));
    const QImage shot = menu->grab().toImage();
    QVERIFY(sameColour(shot.pixelColor(0, 0), TestPictures::colourFor(PictureNames::MenuBackground)));
    QCOMPARE(shot.pixelColor(windowPoint(menu)), QColor(Colours::Canvas));
}

void TestTopicMenu::missingPicturesAreLeftOut_data()
{
    QTest::addColumn<QString>("missing");
    QTest::newRow("background") << PictureNames::MenuBackground;
    QTest::newRow("logo") << PictureNames::Logo;
    QTest::newRow("exit button") << PictureNames::ExitButton;
}

void TestTopicMenu::missingPicturesAreLeftOut()
{
    QFETCH(QString, missing);
    m_program->pictures().remove(missing);

    TopicMenu *menu = openMenu();
    QVERIFY(menu);
    QCOMPARE(menu->backgroundPicture().isNull(), missing == PictureNames::MenuBackground);
    QCOMPARE(menu->control<ImageBox>(QStringLiteral("Image2"))->picture().isNull(), missing == PictureNames::Logo);
    const auto *exit = menu->control<CommandButton>(QStringLiteral("Command1"));
    QCOMPARE(exit->picture().isNull(), missing == PictureNames::ExitButton);
    // The rest of the load still happens.
    QCOMPARE(TwipsGeometry::rect(exit), QRect(90, 7950, 1785, 495));
    QCOMPARE(menu->backgroundColour(), QColor(Colours::Canvas));
    QCOMPARE(labelNamed(menu, QStringLiteral("Label5(5)"))->text(), QStringLiteral("Animation Sequence"));
}

void TestTopicMenu::hoverHighlights_data()
{
    // Pointer moves, and after each the labels that are lit, comma-separated.
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QStringList>("litAfter");

    QTest::newRow("nothing at first") << QStringList{"window"} << QStringList{""};
    QTest::newRow("title lights") << QStringList{"Label1"} << QStringList{"Label1"};
    QTest::newRow("title then window") << QStringList{"Label1", "window"} << QStringList{"Label1", ""};
    QTest::newRow("left topic then window") << QStringList{"Label2(0)", "window"} << QStringList{"Label2(0)", ""};
    QTest::newRow("right topic then window") << QStringList{"Label5(0)", "window"} << QStringList{"Label5(0)", ""};
    QTest::newRow("title to topic over the window")
        << QStringList{"Label1", "window", "Label2(0)"} << QStringList{"Label1", "", "Label2(0)"};
    QTest::newRow("highlight lasts until the window")
        << QStringList{"Label2(0)", "Label2(0)@left", "window", "Label5(0)", "window"} << QStringList{"Label2(0)", "Label2(0)", "", "Label5(0)", ""};
    QTest::newRow("greyed entry stays dark") << QStringList{"window", "Label2(1)"} << QStringList{"", ""};
    QTest::newRow("animation sequence stays dark") << QStringList{"window", "Label5(5)"} << QStringList{"", ""};
}

void TestTopicMenu::hoverHighlights()
{
    QFETCH(QStringList, moves);
    QFETCH(QStringList, litAfter);
    QCOMPARE(moves.size(), litAfter.size());

    TopicMenu *menu = openMenu();
    QVERIFY(menu);
    QVERIFY(!menu->childAt(windowPoint(menu)));
    for (qsizetype i = 0; i < moves.size(); ++i) {
        QTest::mouseMove(menu->windowHandle(), pointFor(menu, moves.at(i)));
        const QStringList expected = litAfter.at(i).isEmpty() ? QStringList() : litAfter.at(i).split(u',');
        QCOMPARE(highlighted(menu), expected);
        if (QTest::currentDataTag() == QByteArrayLiteral("title to topic over the window"))
            keepForViewing(menu, QStringLiteral("menu-hover-%1").arg(i));
        // Lit labels fill with their own colour: black behind the title, blue
        // behind the topics; the others let the window show through.
        for (const QString &name : {QStringLiteral("Label1"), QStringLiteral("Label2(0)"), QStringLiteral("Label5(0)")}) {
            const QColor back = name == QStringLiteral("Label1") ? QColor(Colours::Black) : QColor(Colours::Blue);
            QCOMPARE(fillOf(menu, name) == back, expected.contains(name));
        }
    }
}

void TestTopicMenu::disabledEntriesIgnoreThePointer_data()
{
    QTest::addColumn<QString>("entry");
    for (const QString &name : AllLabels) {
        if (name != QStringLiteral("Label1") && !name.endsWith(QStringLiteral("(0)")) && name != QStringLiteral("Label2(5)"))
            QTest::newRow(qPrintable(name)) << name;
    }
}

void TestTopicMenu::disabledEntriesIgnoreThePointer()
{
    QFETCH(QString, entry);
    TopicMenu *menu = openMenu();
    QVERIFY(menu);
    const QStringList before = labelState(menu);
    const QImage shotBefore = menu->grab().toImage();

    const QPoint at = pointFor(menu, entry);
    QCOMPARE(menu->childAt(at), labelNamed(menu, entry));
    QTest::mouseMove(menu->windowHandle(), at);
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(menu->windowHandle(), Qt::LeftButton, {}, at);
    TestProgram::settle();

    QCOMPARE(m_program->screens().loadedNames(), QStringList{ScreenNames::Menu});
    QCOMPARE(m_program->screens().loaded(ScreenNames::Menu), menu);
    QCOMPARE(labelState(menu), before);
    QCOMPARE(menu->grab().toImage(), shotBefore);
    QVERIFY(m_program->openedUrls().isEmpty());
}

void TestTopicMenu::topicsOpenTheirScreens_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("opens");
    QTest::newRow("The Angles of a Triangle") << "Label2(0)" << ScreenNames::Proof;
    QTest::newRow("Stellated Polygons") << "Label5(0)" << ScreenNames::Explorer;
}

void TestTopicMenu::topicsOpenTheirScreens()
{
    QFETCH(QString, entry);
    QFETCH(QString, opens);
    TopicMenu *menu = openMenu();
    QVERIFY(menu);
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, pointFor(menu, entry));
    TestProgram::settle();
    QCOMPARE(m_program->screens().loadedNames(), QStringList{opens});
    QVERIFY(m_program->screens().loaded(opens)->isVisible());
}

void TestTopicMenu::returningShowsTheFirstOpening_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("lesson");
    QTest::newRow("from the proof") << "Label2(0)" << ScreenNames::Proof;
    QTest::newRow("from the explorer") << "Label5(0)" << ScreenNames::Explorer;
}

void TestTopicMenu::returningShowsTheFirstOpening()
{
    QFETCH(QString, entry);
    QFETCH(QString, lesson);

    TopicMenu *menu = openMenu();
    QVERIFY(menu);
    const QStringList firstState = labelState(menu);
    const QImage firstShot = menu->grab().toImage();

    // Light everything that can light, then leave through the topic.
    QTest::mouseMove(menu->windowHandle(), pointFor(menu, QStringLiteral("Label1")));
    QTest::mouseMove(menu->windowHandle(), pointFor(menu, entry));
    QVERIFY(!highlighted(menu).isEmpty());
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, pointFor(menu, entry));
    TestProgram::settle();

    Screen *page = m_program->screens().loaded(lesson);
    QVERIFY(page);
    QVERIFY(QTest::qWaitForWindowExposed(page));
    auto *exit = page->control<CommandButton>(QStringLiteral("cmdexit"));
    QTest::mouseClick(page->windowHandle(), Qt::LeftButton, {}, exit->geometry().center());
    TestProgram::settle();

    QCOMPARE(m_program->screens().loadedNames(), QStringList{ScreenNames::Menu});
    auto *again = m_program->screen<TopicMenu>(ScreenNames::Menu);
    QVERIFY(again);
    QVERIFY(QTest::qWaitForWindowExposed(again));
    QCOMPARE(labelState(again), firstState);
    QVERIFY(highlighted(again).isEmpty());
    QCOMPARE(again->grab().toImage(), firstShot);
}

void TestTopicMenu::webLinkOpensTheAddressOnly_data()
{
    QTest::addColumn<bool>("opens");
    QTest::newRow("browser opens") << true;
    QTest::newRow("nothing can open it") << false;
}

void TestTopicMenu::webLinkOpensTheAddressOnly()
{
    QFETCH(bool, opens);
    QList<QUrl> opened;
    m_program->program().setUrlOpener([&opened, opens](const QUrl &url) {
        opened.append(url);
        return opens;
    });

    TopicMenu *menu = openMenu();
    QVERIFY(menu);
    const QStringList before = labelState(menu);
    const QImage shotBefore = menu->grab().toImage();

    const QWidget *link = menu->control<Label>(QStringLiteral("Label6"));
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, link->geometry().center());
    TestProgram::settle();

    QCOMPARE(opened, QList<QUrl>{QUrl(Publisher::WebUrl)});
    QCOMPARE(m_program->screens().loadedNames(), QStringList{ScreenNames::Menu});
    QCOMPARE(m_program->screens().loaded(ScreenNames::Menu), menu);
    QVERIFY(menu->isVisible());
    QCOMPARE(labelState(menu), before);
    QCOMPARE(menu->grab().toImage(), shotBefore);
}

QTEST_MAIN(TestTopicMenu)
#include "tst_topicmenu.moc"
