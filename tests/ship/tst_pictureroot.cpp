// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/picturefile.h"
#include "support/datarow.h"
#include "support/testpictures.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Where the program looks for its pictures, given the folder its executable
// lies in (the build tree, an installed tree), and that it reads nothing
// from outside that root.
class TestPictureRoot : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void chosenRoot_data()
    {
        QTest::addColumn<QString>("entries"); // a trailing slash makes a folder, anything else an empty file
        QTest::addColumn<QString>("executableDir");
        QTest::addColumn<QString>("expected");
        addDataRow("build tree", "program/Images/ program/stor4sm/", "program", "program");
        addDataRow("installed", "usr/bin/ usr/share/vertexa/tri2sm/", "usr/bin", "usr/share/vertexa");
        addDataRow("beside wins", "usr/bin/opening/ usr/share/vertexa/Images/", "usr/bin", "usr/bin");
        addDataRow("other case", "program/images/", "program", "program");
        addDataRow("file, not folder", "usr/bin/Images usr/share/vertexa/stelnsm/", "usr/bin", "usr/share/vertexa");
        addDataRow("no picture folders", "usr/bin/lib/ usr/share/vertexa/", "usr/bin", "usr/bin");
    }
    void chosenRoot()
    {
        QFETCH(QString, entries);
        QFETCH(QString, executableDir);
        QFETCH(QString, expected);
        TestPictures scratch;
        const QDir base(scratch.root());
        for (const QString &entry : entries.split(u' ')) {
            if (entry.endsWith(u'/'))
                QVERIFY(base.mkpath(entry));
            else
                scratch.writeBytes(entry, {});
        }
        QCOMPARE(PictureFolder::rootForExecutable(base.filePath(executableDir)), base.absoluteFilePath(expected));
    }

    // Links inside the root, to a picture and to a whole folder outside it, and
    // one that stays inside.
    void linksOutOfTheRootAreNotFollowed()
    {
        TestPictures scratch;
        scratch.write(QStringLiteral("outside\\exit.jpg"), Qt::red);
        scratch.write(QStringLiteral("root\\Images\\menu.jpg"), Qt::red);
        const QDir base(scratch.root());
        QVERIFY(QFile::link(base.filePath("outside/exit.jpg"), base.filePath("root/Images/exit.jpg")));
        QVERIFY(QFile::link(base.filePath("outside"), base.filePath("root/tri2sm")));
        QVERIFY(QFile::link(QStringLiteral("menu.jpg"), base.filePath("root/Images/inside.jpg")));
        const PictureFolder folder(base.filePath(QStringLiteral("root")));
        QVERIFY(folder.load(QStringLiteral("Images\\exit.jpg")).isNull());
        QVERIFY(folder.load(QStringLiteral("tri2sm\\exit.jpg")).isNull());
        QVERIFY(!folder.load(QStringLiteral("Images\\inside.jpg")).isNull());
    }
};

QTEST_GUILESS_MAIN(TestPictureRoot)
#include "tst_pictureroot.moc"
