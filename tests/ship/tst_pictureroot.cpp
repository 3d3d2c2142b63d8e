// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/picturefile.h"
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
    void chosenRoot_data();
    void chosenRoot();
    void linksOutOfTheRootAreNotFollowed();
};

void TestPictureRoot::chosenRoot_data()
{
    QTest::addColumn<QStringList>("entries"); // a trailing slash makes a folder, anything else an empty file
    QTest::addColumn<QString>("executableDir");
    QTest::addColumn<QString>("expected");
    const auto add = [](const char *row, const char *entries, const char *executableDir, const char *expected) {
        QTest::newRow(row) << QString::fromLatin1(entries).split(u' ') << executableDir << expected;
    };
    add("build tree", "program/Images/ program/stor4sm/", "program", "program");
    add("installed", "usr/bin/ usr/share/vertexa/tri2sm/", "usr/bin", "usr/share/vertexa");
    add("beside wins", "usr/bin/opening/ usr/share/vertexa/Images/", "usr/bin", "usr/bin");
    add("other case", "program/images/", "program", "program");
    add("file, not folder", "usr/bin/Images usr/share/vertexa/stelnsm/", "usr/bin", "usr/share/vertexa");
    add("no picture folders", "usr/bin/lib/ usr/share/vertexa/", "usr/bin", "usr/bin");
}

void TestPictureRoot::chosenRoot()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, executableDir);
    QFETCH(QString, expected);
    TestPictures scratch;
    const QDir base(scratch.root());
    for (const QString &entry : std::as_const(entries)) {
        if (entry.endsWith(u'/'))
            QVERIFY(base.mkpath(entry));
        else
            scratch.writeBytes(entry, {});
    }
    QCOMPARE(PictureFolder::rootForExecutable(base.filePath(executableDir)),
             QDir::cleanPath(base.absoluteFilePath(expected)));
}

// Links inside the root, to a picture and to a whole folder outside it, and
// one that stays inside.
void TestPictureRoot::linksOutOfTheRootAreNotFollowed()
{
    TestPictures scratch;
    scratch.write(QStringLiteral("outside\\exit.jpg"), Qt::red);
    scratch.write(QStringLiteral("root\\Images\\menu.jpg"), Qt::red);
    const QDir base(scratch.root());
    QVERIFY(
        QFile::link(base.absoluteFilePath(QStringLiteral("outside/exit.jpg")), base.filePath("root/Images/exit.jpg")));
    QVERIFY(QFile::link(base.absoluteFilePath(QStringLiteral("outside")), base.filePath("root/tri2sm")));
    QVERIFY(QFile::link(QStringLiteral("menu.jpg"), base.filePath("root/Images/inside.jpg")));
    const PictureFolder folder(base.filePath(QStringLiteral("root")));
    for (const char *name : {"Images\\exit.jpg", "tri2sm\\exit.jpg"})
        QVERIFY2(folder.load(QLatin1String(name)).isNull(), name);
    QVERIFY(!folder.load(QStringLiteral("Images\\inside.jpg")).isNull());
}

QTEST_GUILESS_MAIN(TestPictureRoot)
#include "tst_pictureroot.moc"
