// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/framecache.h"
#include "common/picturefile.h"
#include "support/datarow.h"
#include "support/testpictures.h"

#include <QDir>
#include <QLoggingCategory>
#include <QTest>

namespace {

// A whole JPEG of exactly `size` bytes, made up with comment segments after
// its start marker (each 4 to 65537 bytes, marker and length included); what
// is too little for one goes after the end, as the stray padding allowed there.
QByteArray jpegOfSize(qint64 size)
{
    const QByteArray jpeg = TestPictures::jpegBytes(Qt::red, QSize(8, 8));
    QByteArray bytes = jpeg.left(2);
    qint64 left = size - jpeg.size();
    for (int length; left >= 4; left -= length + 2) {
        length = int(qMin<qint64>(left, 65537)) - 2;
        bytes += QByteArray("\xFF\xFE", 2) + char(length >> 8) + char(length & 0xFF) + QByteArray(length - 2, 'x');
    }
    return bytes + jpeg.mid(2) + QByteArray(left, 0);
}

} // namespace

class TestPictureFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A developer who wonders why a picture is not on screen turns on
    // vertexa.pictures and reads which name was missing or unreadable.
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("vertexa.pictures.debug=true")); }

    // A picture is found by its name, inside the root only, and read only when whole.
    void readsWholePicturesInsideTheRoot_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // a small JPEG when empty
        QTest::addColumn<QString>("logged");   // why it is not shown; "" when it is
        const QByteArray jpeg = TestPictures::jpegBytes(Qt::red, QSize(64, 64));
        const char *shown = "Images\\exit.jpg", *missing = "no picture", *unreadable = "unreadable picture";
        addDataRow("same spelling", shown, QByteArray(), "");
        addDataRow("other letter case", "images\\EXIT.JPG", QByteArray(), "");
        addDataRow("parent inside", "Images\\..\\..\\secret.gif", QByteArray(), missing);
        addDataRow("absolute", "/etc/passwd", QByteArray(), missing);
        addDataRow("truncated jpeg", shown, jpeg.left(jpeg.size() / 2), unreadable);
        addDataRow("gif without trailer", shown, TestPictures::gifBytes(Qt::red).chopped(1), unreadable);
        // Stray bytes after a picture's end are taken; a file carrying much more is not ours.
        addDataRow("jpeg, short padding", shown, jpeg + QByteArray(32, 0), "");
        addDataRow("jpeg, long tail", shown, jpeg + QByteArray(100, 0), unreadable);
        // Sides up to 8192 pixels; beyond, the file is refused before memory is set aside.
        addDataRow("jpeg at the widest", shown, TestPictures::jpegBytes(Qt::red, QSize(8192, 8)), "");
        addDataRow("jpeg too wide", shown, TestPictures::jpegBytes(Qt::red, QSize(8193, 8)), unreadable);
        addDataRow("jpeg at the tallest", shown, TestPictures::jpegBytes(Qt::red, QSize(8, 8192)), "");
        addDataRow("jpeg too tall", shown, TestPictures::jpegBytes(Qt::red, QSize(8, 8193)), unreadable);
        // Files up to 32 MiB, whole pictures padded out with comments.
        addDataRow("jpeg at the byte cap", shown, jpegOfSize(32 << 20), "");
        addDataRow("jpeg a byte over the cap", shown, jpegOfSize((32 << 20) + 1), unreadable);
    }
    void readsWholePicturesInsideTheRoot()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, logged);
        TestPictures outer;
        outer.write(QStringLiteral("secret.gif"), Qt::blue);
        outer.writeBytes(QStringLiteral("inner\\Images\\exit.jpg"),
                         bytes.isEmpty() ? TestPictures::jpegBytes(Qt::green, QSize(8, 8)) : bytes);
        const PictureFolder folder(QDir(outer.root()).filePath(QStringLiteral("inner")));
        if (!logged.isEmpty())
            QTest::ignoreMessage(QtDebugMsg, qPrintable(logged + u' ' + name));
        QCOMPARE(folder.load(name).isNull(), !logged.isEmpty());
    }

    // On a fine display a damaged @2x twin, or one of the plain picture's size
    // (it would change the picture's place on screen), is passed over for the
    // plain picture. Good twins are shown pixel for pixel by tests/golden.
    void badTwinPassedOver_data()
    {
        QTest::addColumn<QByteArray>("twin");
        QTest::newRow("damaged") << TestPictures::jpegBytes(Qt::blue, QSize(80, 60)).left(100);
        QTest::newRow("of the plain size") << TestPictures::jpegBytes(Qt::blue, QSize(40, 30));
    }
    void badTwinPassedOver()
    {
        QFETCH(QByteArray, twin);
        TestPictures pictures;
        pictures.writeBytes(QStringLiteral("f\\frame.jpg"), TestPictures::jpegBytes(Qt::red, QSize(40, 30)));
        pictures.writeBytes(QStringLiteral("f\\frame@2x.jpg"), twin);
        const QImage loaded = PictureFolder(pictures.root()).load(QStringLiteral("f\\frame.jpg"), 2);
        QCOMPARE(loaded.devicePixelRatio(), 1.0);
        QVERIFY(sameColour(loaded.pixelColor(10, 10), Qt::red));
    }

    void framesAreKeptWithinTheirBudget()
    {
        const QString name = QStringLiteral("seq\\frame01.gif"), next = QStringLiteral("seq\\frame02.gif");
        TestPictures pictures;
        const PictureFolder folder(pictures.root());
        FrameCache cache(4); // one of the test GIFs' frames: one pixel, 32 bits once ready to paint
        // What could not be read is tried again, so a mended file shows at its next turn.
        QVERIFY(cache.frame(folder, name, 1).isNull());
        pictures.write(name, Qt::red);
        pictures.write(next, Qt::green);
        QVERIFY(sameColour(cache.frame(folder, name, 1).pixelColor(0, 0), Qt::red, 0));
        // A frame beyond the budget is shown, not kept, and pushes out nothing.
        QVERIFY(sameColour(cache.frame(folder, next, 1).pixelColor(0, 0), Qt::green, 0));
        QCOMPARE(std::pair(cache.count(), cache.bytes()), std::pair(1, qsizetype(4)));
        // On a fine display four times as many bytes are kept.
        cache.frame(folder, name, 2);
        cache.frame(folder, next, 2);
        QCOMPARE(std::pair(cache.count(), cache.bytes()), std::pair(2, qsizetype(8)));
    }
};

QTEST_GUILESS_MAIN(TestPictureFile)
#include "tst_picturefile.moc"
