// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/framecache.h"
#include "common/picturefile.h"
#include "support/testpictures.h"

#include <QDir>
#include <QLoggingCategory>
#include <QTest>

namespace {

// A whole JPEG of exactly `size` bytes: comment segments after its start
// marker make up the bulk (each at most 65537 bytes, marker and length included).
QByteArray jpegOfSize(qint64 size)
{
    const QByteArray jpeg = TestPictures::jpegBytes(Qt::red, QSize(8, 8));
    QByteArray bytes = jpeg.left(2);
    for (qint64 left = size - jpeg.size(); left > 0;) {
        qint64 segment = qMin<qint64>(left, 65537);
        if (left - segment > 0 && left - segment < 4)
            segment = left - 4;
        const int length = int(segment - 2);
        bytes += QByteArray("\xFF\xFE", 2) + char(length >> 8) + char(length & 0xFF) + QByteArray(length - 2, 'x');
        left -= segment;
    }
    return bytes + jpeg.mid(2);
}

} // namespace

class TestPictureFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void findsNamesInsideTheRootOnly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::newRow("same spelling") << "Images\\exit.jpg" << true;
        QTest::newRow("other letter case") << "images\\EXIT.JPG" << true;
        QTest::newRow("forward slash") << "Images/exit.jpg" << true;
        QTest::newRow("parent inside") << "Images\\..\\..\\secret.gif" << false;
        QTest::newRow("absolute") << "/etc/passwd" << false;
    }
    void findsNamesInsideTheRootOnly()
    {
        QFETCH(QString, name);
        QFETCH(bool, found);
        TestPictures outer;
        outer.write(QStringLiteral("secret.gif"), Qt::blue);
        outer.write(QStringLiteral("inner\\Images\\exit.jpg"), Qt::green);
        const PictureFolder folder(QDir(outer.root()).filePath(QStringLiteral("inner")));
        QCOMPARE(folder.resolve(name).startsWith(folder.root() + u'/'), found);
        QCOMPARE(!folder.load(name).isNull(), found);
    }

    void readsOnlyWholePictures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("readable");
        const QByteArray jpeg = TestPictures::jpegBytes(Qt::red, QSize(64, 64));
        const QByteArray gif = TestPictures::gifBytes(Qt::red);
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("truncated jpeg") << jpeg.left(jpeg.size() / 2) << false;
        QTest::newRow("gif without trailer") << gif.chopped(1) << false;
        // Stray bytes after a picture's end are taken; a file carrying much more is not ours.
        QTest::newRow("jpeg, short padding") << jpeg + QByteArray(32, 0) << true;
        QTest::newRow("jpeg, long tail") << jpeg + QByteArray(100, 0) << false;
        QTest::newRow("gif, short padding") << gif + QByteArray(32, 0) << true;
        QTest::newRow("gif, long tail") << gif + QByteArray(100, 0) << false;
        // Sides up to 8192 pixels; beyond, the file is refused before memory is set aside.
        QTest::newRow("jpeg at the widest") << TestPictures::jpegBytes(Qt::red, QSize(8192, 8)) << true;
        QTest::newRow("jpeg too wide") << TestPictures::jpegBytes(Qt::red, QSize(8193, 8)) << false;
        QTest::newRow("jpeg at the tallest") << TestPictures::jpegBytes(Qt::red, QSize(8, 8192)) << true;
        QTest::newRow("jpeg too tall") << TestPictures::jpegBytes(Qt::red, QSize(8, 8193)) << false;
        // Files up to 32 MiB, whole pictures padded out with comments.
        QTest::newRow("jpeg at the byte cap") << jpegOfSize(32 << 20) << true;
        QTest::newRow("jpeg a byte over the cap") << jpegOfSize((32 << 20) + 1) << false;
        QTest::newRow("gif screen too wide")
            << QByteArray("GIF89a\x01\x20\x01\x00\x80\x00\x00", 13) + gif.mid(13) << false;
    }
    void readsOnlyWholePictures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, readable);
        TestPictures pictures;
        pictures.writeBytes(QStringLiteral("x.jpg"), bytes);
        QCOMPARE(!PictureFolder(pictures.root()).load(QStringLiteral("x.jpg")).isNull(), readable);
    }

    // A developer who wonders why a picture is not on screen turns on
    // vertexa.pictures and reads which name was missing or unreadable.
    void aPictureNotShownIsLogged_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // none: no file at all
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << "no picture Images\\gone.jpg";
        QTest::newRow("damaged") << QByteArray("not a picture") << "unreadable picture Images\\gone.jpg";
    }
    void aPictureNotShownIsLogged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        TestPictures pictures;
        if (!bytes.isEmpty())
            pictures.writeBytes(QStringLiteral("Images\\gone.jpg"), bytes);
        QLoggingCategory::setFilterRules(QStringLiteral("vertexa.pictures.debug=true"));
        QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
        QVERIFY(PictureFolder(pictures.root()).load(QStringLiteral("Images\\gone.jpg")).isNull());
        QLoggingCategory::setFilterRules(QString());
    }

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
        if (!loaded.isNull()) {
            // Either way the picture covers the same space on screen.
            QCOMPARE(loaded.deviceIndependentSize(), QSizeF(40, 30));
            QCOMPARE(loaded.devicePixelRatio(), shown == Qt::blue ? 2.0 : 1.0);
            QVERIFY(sameColour(loaded.pixelColor(10, 10), shown));
        }
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
        // Another picture folder starts afresh.
        TestPictures other;
        other.write(name, Qt::green);
        QVERIFY(sameColour(cache.frame(PictureFolder(other.root()), name, 1).pixelColor(0, 0), Qt::green, 0));
    }
};

QTEST_GUILESS_MAIN(TestPictureFile)
#include "tst_picturefile.moc"
