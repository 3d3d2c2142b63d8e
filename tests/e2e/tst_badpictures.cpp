// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/picturefile.h"
#include "pupil.h"

#include <QDirIterator>

// Every generated picture cut short anywhere never decodes, so the program
// keeps what it showed rather than a partial picture. The real pictures hold
// end-marker bytes inside their data, which the small pictures the unit tests
// make do not: a decoder that searched for the marker would pass those.
class TestBadPictures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyCutIsRefused_data()
    {
        QTest::addColumn<QString>("file");
        QDirIterator it(Pupil::PictureRoot, {"*.jpg", "*.gif"}, QDir::Files, QDirIterator::Subdirectories);
        for (int i = 0; it.hasNext() || i < 100; ++i) { // fewer than the build makes: the missing ones fail
            const QString file = it.hasNext() ? it.next() : QStringLiteral("missing %1").arg(i);
            QTest::newRow(qPrintable(file.section(u'/', -2))) << file;
        }
    }

    void everyCutIsRefused()
    {
        QFETCH(QString, file);
        QFile in(file);
        const QByteArray whole = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
        QVERIFY2(!decodePicture(whole).isNull(), "the whole file decodes");
        // Every cut in the last few hundred bytes, where an end marker would
        // be found by a search, and every 97th before.
        for (qsizetype size = 0; size < whole.size() - 1; size += size < whole.size() - 300 ? 97 : 1)
            QVERIFY2(decodePicture(whole.left(size)).isNull(),
                     qPrintable(QStringLiteral("cut to %1 of %2 bytes").arg(size).arg(whole.size())));
    }
};

QTEST_GUILESS_MAIN(TestBadPictures)
#include "tst_badpictures.moc"
