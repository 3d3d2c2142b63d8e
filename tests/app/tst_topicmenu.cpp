// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/topicmenu.h"

#include "common/colourtable.h"
#include "controls/label.h"
#include "controls/twipsgeometry.h"
#include "support/testprogram.h"

#include <QtTest>

// The topic menu's layout and highlights once shown. Its words and pictures
// on opening are pinned with every other screen's.
class TestTopicMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void menuLaysOutAndHighlights()
    {
        TestProgram t;
        auto *menu = t.open<TopicMenu>(ScreenNames::Menu);
        // The web address wholly above the window's bottom edge, even under a title bar.
        QCOMPARE(TwipsGeometry::rect(menu->control<Label>("Label6")), QRect(4440, 8040, 3315, 375));
        // A click on each greyed entry ("coming soon") leads nowhere.
        for (int n = 0; n < 2 * TopicMenu::EntryCount; ++n) {
            const Label *entry =
                menu->control<Label>(n < TopicMenu::EntryCount ? "Label2" : "Label5", n % TopicMenu::EntryCount);
            if (n % TopicMenu::EntryCount > 0 && entry->isVisible()) { // all but the first are greyed
                QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, entry->mapTo(menu, entry->rect().center()));
                QVERIFY2(t.screens().loadedNames() == QStringList{ScreenNames::Menu}, qPrintable(entry->text()));
            }
        }

        // Rows 750 twips apart from 2520, all greyed but the first; the left
        // column's last element hidden, the right one's one empty row further down.
        for (int n = 0; n < 2 * TopicMenu::EntryCount; ++n) {
            const int i = n % TopicMenu::EntryCount, last = i == TopicMenu::EntryCount - 1, hidden = last && n == i;
            const Label *entry = menu->control<Label>(n == i ? "Label2" : "Label5", i);
            QCOMPARE(TwipsGeometry::rect(entry),
                     QRect(n == i ? 360 : 6240, 2520 + 750 * (last && !hidden ? i + 1 : i), 5355, 495));
            QVERIFY(entry->isVisible() != hidden && entry->isEnabled() == (i == 0 || hidden) && entry->isTransparent());
        }
        // Under the pointer the title and the first entries light up, filled
        // black behind the title and blue behind a topic (inside the border), and
        // stay lit until the pointer is on the window's own area (between the title and the columns).
        auto box = [menu](const char *label) { return menu->findChild<Label *>(label)->geometry(); };
        const QImage unlit = menu->grab().toImage();
        QTest::mouseMove(menu->windowHandle(), QPoint(1, 1)); // Qt drops a first move to where the pointer is
        for (const char *label : {"Label1", "Label2(0)", "Label5(0)"})
            QTest::mouseMove(menu->windowHandle(), box(label).center());
        for (const char *label : {"Label1", "Label2(0)", "Label5(0)"})
            QCOMPARE(menu->grab().toImage().pixelColor(box(label).left() + 3, box(label).center().y()),
                     QColor(label == QLatin1String("Label1") ? Colours::Black : Colours::Blue));
        QTest::mouseMove(menu->windowHandle(), QPoint(box("Label1").center().x(), box("Label2(0)").top() - 8));
        QCOMPARE(menu->grab().toImage(), unlit);

        // A word pressed and let go off it is no click.
        const Label *first = menu->control<Label>("Label2", 0);
        const QPoint on = first->mapTo(menu, first->rect().center()), off = on - QPoint(0, first->height());
        QTest::mousePress(menu->windowHandle(), Qt::LeftButton, {}, on);
        QTest::mouseMove(menu->windowHandle(), off);
        QTest::mouseRelease(menu->windowHandle(), Qt::LeftButton, {}, off);
        QCOMPARE(t.screens().loadedNames(), QStringList{ScreenNames::Menu});
    }
};

QTEST_MAIN(TestTopicMenu)
#include "tst_topicmenu.moc"
