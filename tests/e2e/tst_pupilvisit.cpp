// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/vertexaapp.h"
#include "common/randomsource.h"
#include "problems/problemspage.h"
#include "pupil.h"
#include "screens/commandbutton.h"
#include "screens/label.h"
#include "screens/pictureview.h"
#include "screens/textbox.h"

#include <QTemporaryDir>

using namespace ScreenNames;

// A pupil's whole visit, from the title screen to "Exit", through every
// screen, with the program started as the executable starts it: each click
// leads to the right screen and to it alone, with the pictures or without.
class TestPupilVisit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Pupil::prepare(); }

    void wholeVisit_data()
    {
        QTest::addColumn<bool>("readable");
        QTest::newRow("real pictures") << true;
        QTest::newRow("no picture folders") << false;
    }

    void wholeVisit()
    {
        QFETCH(bool, readable);
        QTemporaryDir folder;
        // The generator's clock is scripted so that the run repeats itself.
        ClockSeededRandom random([clock = 1000.0]() mutable { return clock += 1.37; });
        VertexaApp vertexa(random, PictureFolder(readable ? Pupil::pictureRoot() : folder.path()));
        vertexa.start();

        // Missing pictures show nothing rather than a grey picture.
        Screen *title = vertexa.screens().loaded(Title);
        QVERIFY(title && Pupil::visibleScreens() == QList<Screen *>{title});
        QCOMPARE(title->control<PictureBox>(QStringLiteral("Picture1"))->picture().isNull(), !readable);
        // Back to the title, whose "Cancel" leads to the menu as "OK" did, and out.
        const QList<Pupil::Step> route = QList<Pupil::Step>{{Title, "Command1", Menu}} + Pupil::lessonRoute() +
                                         QList<Pupil::Step>{{Menu, "Command1", Title},
                                                            {Title, "Command1", Menu},
                                                            {Menu, "Command1", Title},
                                                            {Title, "Command2", {}}};
        // On each problems page a new question, whose own answer, typed back, is right.
        Pupil::walk(route, [readable](Screen *page) {
            if (!qobject_cast<ProblemsPage *>(page))
                return;
            auto *box = page->control<TextBox>(QStringLiteral("Text1"));
            auto *feedback = page->control<Label>(QStringLiteral("Label4"));
            Pupil::click(page->control<CommandButton>(QStringLiteral("cmdgo")));
            QVERIFY(box->text().isEmpty() && feedback->text().isEmpty());
            QCOMPARE(QApplication::focusWidget(), box);
            QCOMPARE(page->control<ImageBox>(QStringLiteral("Image2"))->picture().isNull(), !readable);
            Pupil::click(page->control<CommandButton>(QStringLiteral("cmdsoln")));
            const QString answer = feedback->text();
            QVERIFY(!answer.isEmpty());
            Pupil::click(box);
            for (const QChar c : answer)
                Pupil::press(Qt::Key(c.unicode()));
            Pupil::press(Qt::Key_Return);
            QCOMPARE(feedback->text(), QStringLiteral("Correct, Well Done!"));
        });
        if (!QTest::currentTestFailed())
            QVERIFY(vertexa.isFinished());
    }
};

QTEST_MAIN(TestPupilVisit)
#include "tst_pupilvisit.moc"
