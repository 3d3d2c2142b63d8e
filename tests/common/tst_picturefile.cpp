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
    // A picture is found by its name, inside the root only, and read only when whole.
    void readsWholePicturesInsideTheRoot_data()
    {
        QTest::addColumn<QString>("name");     // Images\exit.jpg when empty
        QTest::addColumn<QByteArray>("bytes"); // a small JPEG when empty
        QTest::addColumn<bool>("readable");
        const QByteArray jpeg = TestPictures::jpegBytes(Qt::red, QSize(64, 64));
        const QByteArray gif = TestPictures::gifBytes(Qt::red);
        addDataRow("same spelling", "Images\\exit.jpg", QByteArray(), true);
        addDataRow("other letter case", "images\\EXIT.JPG", QByteArray(), true);
        addDataRow("forward slash", "Images/exit.jpg", QByteArray(), true);
        addDataRow("parent inside", "Images\\..\\..\\secret.gif", QByteArray(), false);
        addDataRow("absolute", "/etc/passwd", QByteArray(), false);
        addDataRow("truncated jpeg", "", jpeg.left(jpeg.size() / 2), false);
        addDataRow("gif without trailer", "", gif.chopped(1), false);
        // Stray bytes after a picture's end are taken; a file carrying much more is not ours.
        addDataRow("jpeg, short padding", "", jpeg + QByteArray(32, 0), true);
        addDataRow("jpeg, long tail", "", jpeg + QByteArray(100, 0), false);
        addDataRow("gif, long tail", "", gif + QByteArray(100, 0), false);
        // Sides up to 8192 pixels; beyond, the file is refused before memory is set aside.
        addDataRow("jpeg at the widest", "", TestPictures::jpegBytes(Qt::red, QSize(8192, 8)), true);
        addDataRow("jpeg too wide", "", TestPictures::jpegBytes(Qt::red, QSize(8193, 8)), false);
        addDataRow("jpeg at the tallest", "", TestPictures::jpegBytes(Qt::red, QSize(8, 8192)), true);
        addDataRow("jpeg too tall", "", TestPictures::jpegBytes(Qt::red, QSize(8, 8193)), false);
        // Files up to 32 MiB, whole pictures padded out with comments.
        addDataRow("jpeg at the byte cap", "", jpegOfSize(32 << 20), true);
        addDataRow("jpeg a byte over the cap", "", jpegOfSize((32 << 20) + 1), false);
    }
    void readsWholePicturesInsideTheRoot()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        TestPictures outer;
        outer.write(QStringLiteral("secret.gif"), Qt::blue);
        outer.writeBytes(QStringLiteral("inner\\Images\\exit.jpg"),
                         bytes.isEmpty() ? TestPictures::jpegBytes(Qt::green, QSize(8, 8)) : bytes);
        const PictureFolder folder(QDir(outer.root()).filePath(QStringLiteral("inner")));
        QTEST(!folder.load(name.isEmpty() ? QStringLiteral("Images\\exit.jpg") : name).isNull(), "readable");
    }

    // A developer who wonders why a picture is not on screen turns on
    // vertexa.pictures and reads which name was missing or unreadable.
    void aPictureNotShownIsLogged()
    {
        const QString name = QStringLiteral("Images\\gone.jpg");
        TestPictures pictures;
        QLoggingCategory::setFilterRules(QStringLiteral("vertexa.pictures.debug=true"));
        QTest::ignoreMessage(QtDebugMsg, "no picture Images\\gone.jpg");
        QVERIFY(PictureFolder(pictures.root()).load(name).isNull());
        pictures.writeBytes(name, "not a picture");
        QTest::ignoreMessage(QtDebugMsg, "unreadable picture Images\\gone.jpg");
        QVERIFY(PictureFolder(pictures.root()).load(name).isNull());
        QLoggingCategory::setFilterRules(QString());
    }

    // On a fine display the @2x twin, red plain or blue twin, covering the same space on screen.
    void fineTwinOnFineDisplays_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QByteArray>("plain"); // red, 40 by 30
        QTest::addColumn<QByteArray>("twin");  // blue
        QTest::addColumn<QColor>("shown");     // none when nothing is
        const QByteArray plain = TestPictures::jpegBytes(Qt::red, QSize(40, 30));
        const QByteArray twin = TestPictures::jpegBytes(Qt::blue, QSize(80, 60));
        QTest::newRow("ordinary display") << 1.0 << plain << twin << QColor(Qt::red);
        QTest::newRow("fine display") << 2.0 << plain << twin << QColor(Qt::blue);
        QTest::newRow("damaged twin") << 2.0 << plain << twin.left(100) << QColor(Qt::red);
        QTest::newRow("twin of the plain size")
            << 2.0 << plain << TestPictures::jpegBytes(Qt::blue, QSize(40, 30)) << QColor(Qt::red);
        QTest::newRow("damaged plain, good twin") << 2.0 << plain.left(100) << twin << QColor();
    }
    void fineTwinOnFineDisplays()
    {
        QFETCH(qreal, ratio);
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, twin);
        QFETCH(QColor, shown);
        TestPictures pictures;
        pictures.writeBytes(QStringLiteral("f\\frame.jpg"), plain);
        pictures.writeBytes(QStringLiteral("f\\frame@2x.jpg"), twin);
        const QImage loaded = PictureFolder(pictures.root()).load(QStringLiteral("f\\frame.jpg"), ratio);
        QCOMPARE(loaded.isNull(), !shown.isValid());
        QCOMPARE(loaded.deviceIndependentSize(), shown.isValid() ? QSizeF(40, 30) : QSizeF(0, 0));
        QCOMPARE(loaded.devicePixelRatio(), shown == Qt::blue ? 2.0 : 1.0);
        QVERIFY(loaded.isNull() || sameColour(loaded.pixelColor(10, 10), shown));
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
        QVERIFY(sameColour(cache.frame(folder, name, 1).pixelColor(0, 0), Qt::red, 0));
        // Kept, so a later change to the file does not show.
        pictures.write(name, Qt::blue);
        QVERIFY(sameColour(cache.frame(folder, name, 1).pixelColor(0, 0), Qt::red, 0));
        // A frame beyond the budget is shown, not kept, and pushes out nothing.
        pictures.write(next, Qt::green);
        QVERIFY(!cache.frame(folder, next, 1).isNull());
        QCOMPARE(std::pair(cache.count(), cache.bytes()), std::pair(1, qsizetype(4)));
        // On a fine display the frames are read again, and four times as many bytes are kept.
        QVERIFY(sameColour(cache.frame(folder, name, 2).pixelColor(0, 0), Qt::blue, 0));
        QVERIFY(sameColour(cache.frame(folder, next, 2).pixelColor(0, 0), Qt::green, 0));
        QCOMPARE(std::pair(cache.count(), cache.bytes()), std::pair(2, qsizetype(8)));
    }
};

QTEST_GUILESS_MAIN(TestPictureFile)
#include "tst_picturefile.moc"
