// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/framecache.h"
#include "common/picturefile.h"
#include "support/testpictures.h"

#include <QDir>
#include <QTest>

class TestPictureFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void resolvesNamesWithoutRegardToCase_data();
    void resolvesNamesWithoutRegardToCase();
    void refusesNamesOutsideTheRoot_data();
    void refusesNamesOutsideTheRoot();
    void damagedFilesCountAsUnreadable_data();
    void damagedFilesCountAsUnreadable();
    void readsAfreshEveryTime();
    void fineTwinOnFineDisplays_data();
    void fineTwinOnFineDisplays();
    void framesAreKeptWithinTheirBudget_data();
    void framesAreKeptWithinTheirBudget();
};

void TestPictureFile::resolvesNamesWithoutRegardToCase_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("asked");
    QTest::newRow("same spelling") << "Images\\exit.jpg"
                                   << "Images\\exit.jpg";
    QTest::newRow("folder in lower case") << "Images\\check.jpg"
                                          << "images\\check.jpg";
    QTest::newRow("file in upper case") << "stor4\\stor0000.gif"
                                        << "STOR4\\STOR0000.GIF";
    QTest::newRow("forward slash") << "tri2sm\\tri200.jpg"
                                   << "tri2sm/tri200.jpg";
}

void TestPictureFile::resolvesNamesWithoutRegardToCase()
{
    QFETCH(QString, written);
    QFETCH(QString, asked);
    TestPictures pictures;
    pictures.write(written, Qt::red);
    const PictureFolder folder(pictures.root());
    const QString path = folder.resolve(asked);
    QVERIFY(!path.isEmpty());
    QVERIFY(path.startsWith(pictures.root()));
    QVERIFY(!folder.load(asked).isNull());
}

void TestPictureFile::refusesNamesOutsideTheRoot_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent folder") << "..\\secret.gif";
    QTest::newRow("parent inside") << "Images\\..\\..\\secret.gif";
    QTest::newRow("absolute") << "/etc/passwd";
    QTest::newRow("empty") << "";
    QTest::newRow("a folder") << "Images";
    QTest::newRow("missing") << "Images\\none.jpg";
}

void TestPictureFile::refusesNamesOutsideTheRoot()
{
    QFETCH(QString, name);
    TestPictures outer;
    outer.write(QStringLiteral("secret.gif"), Qt::blue);
    outer.write(QStringLiteral("inner\\Images\\exit.jpg"), Qt::green);
    const PictureFolder folder(QDir(outer.root()).filePath(QStringLiteral("inner")));
    const QString path = folder.resolve(name);
    QVERIFY2(path.isEmpty() || path.startsWith(folder.root()), qPrintable(path));
    if (name != u"/etc/passwd")
        QVERIFY(folder.load(name).isNull());
}

void TestPictureFile::damagedFilesCountAsUnreadable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray jpeg = TestPictures::jpegBytes(Qt::red, QSize(64, 64));
    const QByteArray gif = TestPictures::gifBytes(Qt::red);
    QTest::newRow("empty jpeg") << "x.jpg" << QByteArray();
    QTest::newRow("empty gif") << "x.gif" << QByteArray();
    QTest::newRow("garbage") << "x.jpg" << QByteArray(500, 'x');
    QTest::newRow("jpeg header only") << "x.jpg" << jpeg.left(20);
    QTest::newRow("truncated jpeg") << "x.jpg" << jpeg.left(jpeg.size() / 2);
    QTest::newRow("gif header only") << "x.gif" << gif.left(13);
    QTest::newRow("gif without trailer") << "x.gif" << gif.chopped(1);
    QTest::newRow("gif screen wider than any picture")
        << "x.gif" << QByteArray("GIF89a\x01\x20\x01\x00\x80\x00\x00", 13) + gif.mid(13);
    QTest::newRow("gif claiming a vast size")
        << "x.gif" << QByteArray("GIF89a\xFF\xFF\xFF\xFF\x80\x00\x00", 13) + gif.mid(13);
}

void TestPictureFile::damagedFilesCountAsUnreadable()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    TestPictures pictures;
    pictures.writeBytes(name, bytes);
    QVERIFY(PictureFolder(pictures.root()).load(name).isNull());
    QVERIFY(decodePicture(bytes).isNull());
}

void TestPictureFile::readsAfreshEveryTime()
{
    TestPictures pictures;
    const QString name = QStringLiteral("f\\frame.gif");
    const PictureFolder folder(pictures.root());
    pictures.write(name, QColor(255, 0, 0));
    QVERIFY(sameColour(folder.load(name).pixelColor(0, 0), Qt::red, 0));
    pictures.write(name, QColor(0, 0, 255));
    QVERIFY(sameColour(folder.load(name).pixelColor(0, 0), Qt::blue, 0));
    pictures.remove(name);
    QVERIFY(folder.load(name).isNull());
}

void TestPictureFile::fineTwinOnFineDisplays_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QString>("plain"); // "" for none, "damaged" for a cut file
    QTest::addColumn<QString>("twin");  // as plain, or "small" for one of the plain size
    QTest::addColumn<QString>("twinName");
    QTest::addColumn<QString>("expected"); // which picture comes back: plain, twin or none
    const QString twinName = QStringLiteral("f\\frame@2x.jpg");
    QTest::newRow("ordinary display") << 1.0 << "good"
                                      << "good" << twinName << "plain";
    QTest::newRow("fine display") << 2.0 << "good"
                                  << "good" << twinName << "twin";
    QTest::newRow("between the two") << 1.5 << "good"
                                     << "good" << twinName << "twin";
    QTest::newRow("twin in other letter case") << 2.0 << "good"
                                               << "good"
                                               << "f\\FRAME@2X.JPG"
                                               << "twin";
    QTest::newRow("no twin") << 2.0 << "good"
                             << "" << twinName << "plain";
    QTest::newRow("damaged twin") << 2.0 << "good"
                                  << "damaged" << twinName << "plain";
    QTest::newRow("twin of the plain size") << 2.0 << "good"
                                            << "small" << twinName << "plain";
    QTest::newRow("only the twin") << 2.0 << ""
                                   << "good" << twinName << "none";
    QTest::newRow("damaged plain, good twin") << 2.0 << "damaged"
                                              << "good" << twinName << "none";
}

void TestPictureFile::fineTwinOnFineDisplays()
{
    QFETCH(qreal, ratio);
    QFETCH(QString, plain);
    QFETCH(QString, twin);
    QFETCH(QString, twinName);
    QFETCH(QString, expected);
    const QString name = QStringLiteral("f\\frame.jpg");
    const QSize size(40, 30);
    const QColor plainColour(200, 40, 40), twinColour(40, 40, 200);
    TestPictures pictures;
    const auto place = [&](const QString &what, const QString &file, const QColor &colour, QSize fileSize) {
        if (what == u"good")
            pictures.write(file, colour, fileSize);
        else if (what == u"small")
            pictures.write(file, colour, size);
        else if (what == u"damaged")
            pictures.writeBytes(file, TestPictures::jpegBytes(colour, fileSize).left(100));
    };
    place(plain, name, plainColour, size);
    place(twin, twinName, twinColour, size * PictureFolder::HighResolutionRatio);

    const QImage loaded = PictureFolder(pictures.root()).load(name, ratio);
    if (expected == u"none") {
        QVERIFY(loaded.isNull());
        return;
    }
    QVERIFY(!loaded.isNull());
    const bool fine = expected == u"twin";
    // Either way the picture covers the same space on screen.
    QCOMPARE(loaded.deviceIndependentSize(), QSizeF(size));
    QCOMPARE(loaded.devicePixelRatio(), fine ? qreal(PictureFolder::HighResolutionRatio) : 1.0);
    QVERIFY(sameColour(loaded.pixelColor(10, 10), fine ? twinColour : plainColour));
}

void TestPictureFile::framesAreKeptWithinTheirBudget_data()
{
    QTest::addColumn<QString>("first");     // the frame file at its first showing: good, missing or damaged
    QTest::addColumn<qsizetype>("budget");  // in frames of 8 by 8
    QTest::addColumn<qreal>("secondRatio"); // the display's ratio at the second showing
    QTest::addColumn<QString>("shownThen"); // red (the kept frame), blue (read again) or none
    QTest::addColumn<int>("kept");
    QTest::newRow("kept") << "good" << qsizetype(2) << 1.0 << "red" << 1;
    QTest::newRow("beyond the budget") << "good" << qsizetype(0) << 1.0 << "blue" << 0;
    QTest::newRow("exactly the budget") << "good" << qsizetype(1) << 1.0 << "red" << 1;
    QTest::newRow("fine display as well") << "good" << qsizetype(2) << 2.0 << "blue" << 2;
    QTest::newRow("ratio between") << "good" << qsizetype(2) << 1.5 << "blue" << 2;
    // What could not be read is tried again, so a mended file shows at its next turn.
    QTest::newRow("missing, then written") << "missing" << qsizetype(2) << 1.0 << "blue" << 1;
    QTest::newRow("damaged, then mended") << "damaged" << qsizetype(2) << 1.0 << "blue" << 1;
    QTest::newRow("missing both times") << "missing" << qsizetype(2) << 1.0 << "none" << 0;
}

void TestPictureFile::framesAreKeptWithinTheirBudget()
{
    QFETCH(QString, first);
    QFETCH(qsizetype, budget);
    QFETCH(qreal, secondRatio);
    QFETCH(QString, shownThen);
    QFETCH(int, kept);
    const QString name = QStringLiteral("seq\\frame01.gif");
    TestPictures pictures;
    const PictureFolder folder(pictures.root());
    const qsizetype frameBytes = 4; // the test GIFs' one pixel, 32 bits once ready to paint
    FrameCache cache(budget * frameBytes);
    if (first == u"good")
        pictures.write(name, Qt::red);
    else if (first == u"damaged")
        pictures.writeBytes(name, TestPictures::gifBytes(Qt::red).chopped(1));
    QCOMPARE(cache.frame(folder, name, 1).isNull(), first != u"good");

    // Whether the second showing reads the file again: it has changed meanwhile.
    if (shownThen == u"none")
        pictures.remove(name);
    else
        pictures.write(name, Qt::blue);
    const QImage shown = cache.frame(folder, name, secondRatio);
    if (shownThen == u"none")
        QVERIFY(shown.isNull());
    else
        QVERIFY(sameColour(shown.pixelColor(0, 0), shownThen == u"red" ? Qt::red : Qt::blue, 0));
    QCOMPARE(cache.count(), kept);
    QCOMPARE(cache.bytes(), kept * frameBytes);
    // A frame beyond the budget is shown, not kept, and pushes out nothing.
    const QString next = QStringLiteral("seq\\frame02.gif");
    pictures.write(next, Qt::green);
    QVERIFY(!cache.frame(folder, next, 1).isNull());
    QCOMPARE(cache.count(), std::min(kept + 1, int(budget)));

    // Another picture folder, or another sequence, starts afresh.
    cache.clear();
    QCOMPARE(std::pair(cache.count(), cache.bytes()), std::pair(0, qsizetype(0)));
    TestPictures other;
    other.write(name, Qt::green);
    if (kept > 0) {
        cache.frame(folder, name, 1);
        QVERIFY(sameColour(cache.frame(PictureFolder(other.root()), name, 1).pixelColor(0, 0), Qt::green, 0));
    }
}

QTEST_GUILESS_MAIN(TestPictureFile)
#include "tst_picturefile.moc"
