// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/picturefile.h"
#include "common/picturenames.h"
#include "support/testpictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Where the program looks for its pictures, given the folder its executable
// lies in: the build tree, an installed tree, a moved install.
class TestPictureRoot : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void chosenRoot_data();
    void chosenRoot();
    void followsAMovedInstall();
};

namespace {

// Creates each entry under root: a trailing slash makes a folder, anything
// else an empty file.
void lay(const QString &root, const QStringList &entries)
{
    QDir dir(root);
    for (const QString &entry : entries) {
        if (entry.endsWith(u'/')) {
            QVERIFY(dir.mkpath(entry));
        } else {
            QVERIFY(dir.mkpath(QFileInfo(entry).path()));
            QFile file(dir.filePath(entry));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
}

} // namespace

void TestPictureRoot::chosenRoot_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("executableDir");
    QTest::addColumn<QString>("expected");

    QTest::newRow("build tree: folders beside the program")
        << QStringList{"program/Images/", "program/stor4sm/"} << "program"
        << "program";
    QTest::newRow("installed: data folder beside bin")
        << QStringList{"usr/bin/", "usr/share/vertexa/Images/", "usr/share/vertexa/tri2sm/"} << "usr/bin"
        << "usr/share/vertexa";
    QTest::newRow("folders beside the program win over an installed tree")
        << QStringList{"usr/bin/opening/", "usr/share/vertexa/Images/"} << "usr/bin"
        << "usr/bin";
    QTest::newRow("folder spelled in another case") << QStringList{"program/images/"} << "program"
                                                    << "program";
    QTest::newRow("a file named like a folder is no picture folder")
        << QStringList{"usr/bin/Images", "usr/share/vertexa/stelnsm/"} << "usr/bin"
        << "usr/share/vertexa";
    QTest::newRow("empty data folder: stay beside the program")
        << QStringList{"usr/bin/", "usr/share/vertexa/"} << "usr/bin"
        << "usr/bin";
    QTest::newRow("unrelated folders only") << QStringList{"usr/bin/lib/", "usr/share/vertexa/docs/"} << "usr/bin"
                                            << "usr/bin";
    QTest::newRow("nothing anywhere") << QStringList{"opt/"} << "opt"
                                      << "opt";
}

void TestPictureRoot::chosenRoot()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, executableDir);
    QFETCH(QString, expected);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    lay(scratch.path(), entries);
    const QDir base(scratch.path());
    QCOMPARE(PictureFolder::rootForExecutable(base.filePath(executableDir)),
             QDir::cleanPath(base.absoluteFilePath(expected)));
}

void TestPictureRoot::followsAMovedInstall()
{
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    QDir base(scratch.path());
    lay(scratch.path(), {"first/usr/bin/"});
    QFile exit(base.filePath("first/usr/share/vertexa/Images/exit.jpg"));
    QVERIFY(QDir().mkpath(QFileInfo(exit).path()));
    QVERIFY(exit.open(QIODevice::WriteOnly));
    exit.write(TestPictures::jpegBytes(Qt::red, QSize(4, 4)));
    exit.close();

    QVERIFY(base.rename("first", "moved"));
    const PictureFolder folder(PictureFolder::rootForExecutable(base.filePath("moved/usr/bin")));
    QVERIFY(folder.root().startsWith(base.filePath("moved")));
    QVERIFY(!folder.load(PictureNames::ExitButton).isNull());
}

QTEST_GUILESS_MAIN(TestPictureRoot)
#include "tst_pictureroot.moc"
