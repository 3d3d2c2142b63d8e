// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/vertexaprogram.h"
#include "common/randomsource.h"
#include "problems/problemspage.h"
#include "pupil.h"
#include "screens/controls.h"

#include <QCryptographicHash>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace ScreenNames;

// A pupil's whole visit, from the title screen to "Exit", through every
// screen, with the program started as the executable starts it: each click
// leads to the right screen and to it alone, whatever state the pictures are in.
class TestPupilVisit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Pupil::prepare(); }

    void wholeVisit_data()
    {
        QTest::addColumn<QString>("pictures");
        QTest::newRow("real pictures") << QStringLiteral("real");
        QTest::newRow("no picture folders") << QStringLiteral("none");
        QTest::newRow("damaged pictures") << QStringLiteral("damaged");
    }

    void wholeVisit()
    {
        QFETCH(QString, pictures);
        QTemporaryDir folder;
        // Every picture spoilt in one of four ways in turn: emptied, garbage,
        // its header only, or cut short.
        const QStringList files = Pupil::pictureFiles();
        for (int i = 0; i < files.size() && pictures == QLatin1String("damaged"); ++i) {
            QFile in(QDir(Pupil::pictureRoot()).filePath(files.at(i)));
            QVERIFY(in.open(QIODevice::ReadOnly));
            const QByteArray good = in.readAll();
            const QByteArray bad[] = {{}, QCryptographicHash::hash(good, QCryptographicHash::Sha512).repeated(16),
                                      good.left(good.startsWith("GIF") ? 13 : 20), good.left(good.size() / 2)};
            QVERIFY(QDir(folder.path()).mkpath(QFileInfo(files.at(i)).path()));
            QFile out(QDir(folder.path()).filePath(files.at(i)));
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bad[i % 4]) == bad[i % 4].size());
        }
        const bool readable = pictures == QLatin1String("real");
        // The generator's clock is scripted so that the run repeats itself.
        double clock = 1000;
        ClockSeededRandom random([&clock] { return clock += 1.37; });
        VertexaProgram vertexa(random, PictureFolder(readable ? Pupil::pictureRoot() : folder.path()));
        QSignalSpy finished(&vertexa, &VertexaProgram::finished);
        vertexa.start();

        // Damaged or missing pictures show nothing rather than a grey or partial picture.
        Screen *title = Pupil::only(Title);
        QVERIFY(title);
        QCOMPARE(title->control<PictureBox>(QStringLiteral("Picture1"))->picture().isNull(), !readable);
        QList<Pupil::Step> route{{Title, QStringLiteral("Command1"), NoIndex, Menu}};
        route += Pupil::lessonRoute();
        // Back to the title, whose "Cancel" leads to the menu as "OK" did, and out.
        route += {{Menu, QStringLiteral("Command1"), NoIndex, Title},
                  {Title, QStringLiteral("Command1"), NoIndex, Menu},
                  {Menu, QStringLiteral("Command1"), NoIndex, Title},
                  {Title, QStringLiteral("Command2"), NoIndex, QString()}};
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
            QCOMPARE(finished.count(), 1);
    }
};

QTEST_MAIN(TestPupilVisit)
#include "tst_pupilvisit.moc"
