// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/topicmenu.h"

#include "common/colourtable.h"
#include "screens/label.h"
#include "screens/twipsgeometry.h"
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
        QVERIFY(menu);
        // The web address wholly above the window's bottom edge, even under a title bar.
        QCOMPARE(TwipsGeometry::rect(menu->control<Label>("Label6")), QRect(4440, 8040, 3315, 375));
        // Rows 750 twips apart from 2520, all greyed but the first; the left
        // column's last element hidden, the right one's one empty row further down.
        for (const auto &[column, left] : {std::pair("Label2", 360), std::pair("Label5", 6240)}) {
            for (int i = 0; i < TopicMenu::EntryCount; ++i) {
                const Label *entry = menu->control<Label>(column, i);
                const bool last = i == TopicMenu::EntryCount - 1, hidden = last && left == 360;
                QCOMPARE(TwipsGeometry::rect(entry),
                         QRect(left, 2520 + 750 * (last && !hidden ? i + 1 : i), 5355, 495));
                QCOMPARE(std::tuple(entry->isVisible(), entry->isEnabled(), entry->isTransparent()),
                         std::tuple(!hidden, i == 0 || hidden, true));
            }
        }

        // Under the pointer the title and the first entries light up, filled
        // black behind the title and blue behind a topic, and stay lit until
        // the pointer is on the window's own area (between the title and the columns).
        auto box = [menu](const char *label) { return menu->findChild<Label *>(label)->geometry(); };
        const QImage unlit = menu->grab().toImage();
        QTest::mouseMove(menu->windowHandle(), QPoint(1, 1)); // Qt drops a first move to where the pointer is
        for (const char *label : {"Label1", "Label2(0)", "Label5(0)"})
            QTest::mouseMove(menu->windowHandle(), box(label).center());
        const QImage lit = menu->grab().toImage();
        for (const char *label : {"Label1", "Label2(0)", "Label5(0)"})
            QCOMPARE(lit.pixelColor(box(label).left() + 3, box(label).center().y()), // inside the border
                     QColor(label == QLatin1String("Label1") ? Colours::Black : Colours::Blue));
        const QPoint window((box("Label2(0)").right() + box("Label5(0)").x()) / 2,
                            (box("Label1").bottom() + box("Label2(0)").top()) / 2);
        QTest::mouseMove(menu->windowHandle(), window);
        QCOMPARE(menu->grab().toImage(), unlit);
    }
};

QTEST_MAIN(TestTopicMenu)
#include "tst_topicmenu.moc"
