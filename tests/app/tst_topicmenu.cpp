// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/topicmenu.h"

#include "controls/label.h"
#include "controls/twipsgeometry.h"
#include "support/stroke.h"
#include "support/testprogram.h"

#include <QtTest>

// The topic menu's layout and its dead entries. Its words and pictures on
// opening, and a topic lit under the pointer, are pinned with every other
// screen's in tests/golden.
class TestTopicMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void menuLaysOut()
    {
        TestProgram t;
        auto *menu = t.open<TopicMenu>(ScreenNames::Menu);
        // The web address wholly above the window's bottom edge, even under a title bar.
        QCOMPARE(TwipsGeometry::rect(menu->control<Label>("Label6")), QRect(4440, 8040, 3315, 375));
        // Rows 750 twips apart from 2520, all greyed but the first; the left
        // column's last element hidden, the right one's one empty row further
        // down. A click on a greyed entry ("coming soon") leads nowhere.
        for (int n = 0; n < 2 * TopicMenu::EntryCount; ++n) {
            const int i = n % TopicMenu::EntryCount, last = i == TopicMenu::EntryCount - 1, hidden = last && n == i;
            const Label *entry = menu->control<Label>(n == i ? "Label2" : "Label5", i);
            QCOMPARE(TwipsGeometry::rect(entry),
                     QRect(n == i ? 360 : 6240, 2520 + 750 * (last && !hidden ? i + 1 : i), 5355, 495));
            QVERIFY(entry->isVisible() != hidden && entry->isEnabled() == (i == 0 || hidden) && entry->isTransparent());
            if (i > 0 && !hidden)
                QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, entry->mapTo(menu, entry->rect().center()));
            QVERIFY2(t.screens().loadedNames() == QStringList{ScreenNames::Menu}, qPrintable(entry->text()));
        }
        const QRect topic = menu->findChild<Label *>("Label2(0)")->geometry();
        // A word pressed and let go off it is no click.
        stroke(menu, {topic.center(), topic.center() - QPoint(0, topic.height())});
        QCOMPARE(t.screens().loadedNames(), QStringList{ScreenNames::Menu});
    }
};

QTEST_MAIN(TestTopicMenu)
#include "tst_topicmenu.moc"
