// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/picturefile.h"
#include "picturesets.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Every picture of the generated set, spoilt in every way a file can be: a
// spoilt picture never decodes, so the program keeps what it showed rather
// than a grey or partial picture.
class TestBadPictures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyCutIsRefused_data();
    void everyCutIsRefused();
    void damagedSetIsRefused_data();
    void damagedSetIsRefused();

private:
    QStringList m_files;
};

void TestBadPictures::initTestCase()
{
    m_files = PictureSetFolder::pictureFiles(PictureSetFolder::realRoot());
    QVERIFY(m_files.size() > 100);
}

void TestBadPictures::everyCutIsRefused_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : std::as_const(m_files))
        QTest::newRow(qPrintable(file)) << file;
}

void TestBadPictures::everyCutIsRefused()
{
    QFETCH(QString, file);
    QFile in(QDir(PictureSetFolder::realRoot()).filePath(file));
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QByteArray whole = in.readAll();
    QVERIFY2(!decodePicture(whole).isNull(), "the whole file decodes");

    // Every cut in the last few hundred bytes, where the end marker would be
    // found by a search, and every 97th before.
    QList<qsizetype> cuts;
    for (qsizetype size = 0; size < whole.size() - 300; size += 97)
        cuts.append(size);
    for (qsizetype size = qMax<qsizetype>(0, whole.size() - 300); size < whole.size() - 1; ++size)
        cuts.append(size);
    for (qsizetype size : std::as_const(cuts))
        QVERIFY2(decodePicture(whole.left(size)).isNull(), qPrintable(QStringLiteral("cut to %1 of %2 bytes").arg(size).arg(whole.size())));
}

void TestBadPictures::damagedSetIsRefused_data()
{
    QTest::addColumn<int>("damage");
    QTest::newRow("empty") << int(PictureSetFolder::Damage::Empty);
    QTest::newRow("garbage") << int(PictureSetFolder::Damage::Garbage);
    QTest::newRow("header only") << int(PictureSetFolder::Damage::HeaderOnly);
    QTest::newRow("truncated") << int(PictureSetFolder::Damage::Truncated);
}

void TestBadPictures::damagedSetIsRefused()
{
    QFETCH(int, damage);
    for (qsizetype i = 0; i < m_files.size(); ++i) {
        QFile in(QDir(PictureSetFolder::realRoot()).filePath(m_files.at(i)));
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray bad = PictureSetFolder::damaged(in.readAll(), PictureSetFolder::Damage(damage), quint32(i));
        QVERIFY2(decodePicture(bad).isNull(), qPrintable(m_files.at(i)));
    }
}

QTEST_GUILESS_MAIN(TestBadPictures)
#include "tst_badpictures.moc"
