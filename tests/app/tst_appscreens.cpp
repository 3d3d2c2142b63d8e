// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/titlescreen.h"
#include "app/topicmenu.h"

#include "common/colourtable.h"
#include "problems/framesequence.h"
#include "screens/label.h"
#include "screens/pictureview.h"
#include "screens/twipsgeometry.h"
#include "support/testprogram.h"

#include <QtTest>

// What the title screen and the topic menu do once shown. Their words and
// pictures on opening are pinned with every other screen's.
class TestAppScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void titleAnimates()
    {
        // Frame numbers take two digits, also from ten on.
        QCOMPARE(FrameSequences::Title.fileName(10), QStringLiteral("stor4sm\\stor0010.gif"));
        TestProgram t;
        auto *title = t.open<TitleScreen>(ScreenNames::Title);
        QVERIFY(title);
        // Fifteen frames, then round again.
        for (int tick = 1; tick <= 31; ++tick) {
            QVERIFY(TestProgram::tick(title->control<QTimer>("Timer1")));
            QCOMPARE(t.context().values().frameno, qint16(tick % 15));
            QVERIFY(sameColour(title->control<PictureBox>("Picture1")->picture().pixelColor(0, 0),
                               TestPictures::colourFor(FrameSequences::Title.fileName(tick % 15))));
        }
    }

    void menuLaysOutAndHighlights()
    {
        TestProgram t;
        auto *menu = t.open<TopicMenu>(ScreenNames::Menu);
        QVERIFY(menu);
        // The web address wholly above the window's bottom edge, even under a title bar.
        QCOMPARE(TwipsGeometry::rect(menu->control<Label>("Label6")), QRect(4440, 8040, 3315, 375));
        // Rows 750 twips apart from 2520, all greyed but the first; the left
        // column's last element hidden, the right one's one empty row further down.
        for (const auto &[column, left] : {std::pair("Label2", 360), std::pair("Label5", 6240)}) {
            QCOMPARE(menu->indexesOf(column), QList<int>({0, 1, 2, 3, 4, 5}));
            for (int i = 0; i < TopicMenu::EntryCount; ++i) {
                const Label *entry = menu->control<Label>(column, i);
                const bool last = i == TopicMenu::EntryCount - 1, hidden = last && left == 360;
                QCOMPARE(TwipsGeometry::rect(entry),
                         QRect(left, 2520 + 750 * (last && !hidden ? i + 1 : i), 5355, 495));
                QCOMPARE(std::tuple(entry->isVisible(), entry->isEnabled(), entry->isTransparent()),
                         std::tuple(!hidden, i == 0 || hidden, true));
            }
        }

        // Where the pointer goes, and the labels lit once it is there: a label
        // lit stays lit, whatever else lights, until the pointer is on the
        // window's own area (between the title and the columns).
        auto area = [menu](const QString &label) { return menu->findChild<Label *>(label)->geometry(); };
        const QPoint window((area("Label2(0)").right() + area("Label5(0)").x()) / 2,
                            (area("Label1").bottom() + area("Label2(0)").top()) / 2);
        QVERIFY(!menu->childAt(window));
        const QList<std::pair<QString, QStringList>> walk{{"", {}},
                                                          {"Label1", {"Label1"}},
                                                          {"Label2(0)", {"Label1", "Label2(0)"}},
                                                          {"Label5(0)", {"Label1", "Label2(0)", "Label5(0)"}},
                                                          {"", {}}};
        QTest::mouseMove(menu->windowHandle(), QPoint(1, 1)); // Qt drops a first move to where the pointer is
        for (const auto &[target, expected] : walk) {
            QTest::mouseMove(menu->windowHandle(), target.isEmpty() ? window : area(target).center());
            QStringList lit; // the web link's box is always filled
            for (const Label *label : menu->findChildren<Label *>())
                if (!label->isTransparent() && label->objectName() != u"Label6")
                    lit.append(label->objectName());
            lit.sort();
            QVERIFY2(lit == expected, qPrintable(target + ": " + lit.join(u',')));
            // Lit, a label fills with its own colour: black behind the title, blue behind the topics.
            const QImage shot = menu->grab().toImage();
            for (const QString &name : expected)
                QCOMPARE(shot.pixelColor(area(name).left() + 3, area(name).center().y()), // inside the border
                         QColor(name == u"Label1" ? Colours::Black : Colours::Blue));
        }
    }
};

QTEST_MAIN(TestAppScreens)
#include "tst_appscreens.moc"
