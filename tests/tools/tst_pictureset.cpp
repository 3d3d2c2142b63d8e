// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/framesequence.h"
#include "common/picturefile.h"
#include "common/picturenames.h"

#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(FrameSequence)

// The picture set the build put beside the program, as the program reads it.
class TestPictureSet : public QObject
{
    Q_OBJECT
    const PictureFolder program{QStringLiteral(VERTEXA_PROGRAM_DIR)};
private Q_SLOTS:
    void everyPictureIsThere_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        // At the sizes of the boxes that show them, in twips (15 to a pixel),
        // and twice as fine for fine displays: the menu's window, the title's
        // picture box, the problems pages' image boxes, the menu's logo and
        // the picture buttons; the icons at the pixels their names give.
        const QList<std::pair<QString, QSize>> boxes{{"^stor4\\\\", QSize(12000, 9000)},
                                                     {"^(stor4sm|opening)\\\\", QSize(4800, 3600)},
                                                     {"^(tri2sm|pentglsm|stelnsm|ocstarsm)\\\\", QSize(4860, 3660)},
                                                     {"logo2\\.jpg$", QSize(1500, 2085)},
                                                     {"^images\\\\", QSize(1785, 495)}};
        for (const QString &name : PictureNames::all()) {
            QSize size;
            for (const auto &[pattern, twips] : boxes) {
                if (size.isEmpty() &&
                    name.contains(QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption)))
                    size = twips / 15;
            }
            if (const auto icon = QRegularExpression(QStringLiteral("vertexa-(\\d+)\\.png$")).match(name);
                icon.hasMatch())
                size = QSize(icon.captured(1).toInt(), icon.captured(1).toInt());
            QVERIFY2(!size.isEmpty(), qPrintable(name + QStringLiteral(" shown by no known box")));
            QTest::newRow(qPrintable(name)) << name << size;
            const QString twin = PictureFolder::highResolutionName(name);
            QTest::newRow(qPrintable(twin)) << twin << size * 2;
        }
    }
    void everyPictureIsThere()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QCOMPARE(program.load(name).size(), size);
    }

    void stillsDiffer()
    {
        // Each button, the logo and the backgrounds show a picture of their own.
        const QStringList stills = PictureNames::stills();
        for (qsizetype i = 0; i < stills.size(); ++i)
            for (qsizetype j = i + 1; j < stills.size(); ++j)
                QVERIFY2(program.load(stills.at(i)) != program.load(stills.at(j)), qPrintable(stills.at(j)));
    }

    void imagesIsOneFolder()
    {
        // The program spells it both ways; on disk there is one folder.
        QCOMPARE(QDir(program.root()).entryList({"[Ii][Mm][Aa][Gg][Ee][Ss]"}, QDir::Dirs), QStringList{"Images"});
    }

    void animationsLoop_data()
    {
        QTest::addColumn<FrameSequence>("sequence");
        for (const FrameSequence &sequence : FrameSequences::all())
            QTest::newRow(qPrintable(sequence.base)) << sequence;
    }
    void animationsLoop()
    {
        QFETCH(FrameSequence, sequence);
        QList<QImage> frames;
        for (const QString &name : sequence.fileNames())
            frames.append(program.load(name).convertToFormat(QImage::Format_RGB32));
        QVERIFY(!frames.contains(QImage()));
        // The mean difference of the channels: alpha is always opaque here.
        const auto distance = [](const QImage &a, const QImage &b) {
            double sum = 0;
            for (qsizetype i = 0; i < a.sizeInBytes(); ++i)
                sum += qAbs(a.constBits()[i] - b.constBits()[i]);
            return sum / (a.width() * a.height());
        };
        // The step from the last frame back to the first is no bigger a jump
        // than the steps within the loop, and the pictures do move.
        double largestStep = 0;
        for (int i = 0; i + 1 < frames.size(); ++i)
            largestStep = qMax(largestStep, distance(frames.at(i), frames.at(i + 1)));
        const double wrap = distance(frames.last(), frames.first());
        QVERIFY2(largestStep > 1.0, "the frames hardly change");
        QVERIFY2(wrap <= largestStep * 1.25, qPrintable(QStringLiteral("wrap %1, step %2").arg(wrap).arg(largestStep)));
        QVERIFY2(wrap > 0.05, "the last frame repeats the first, which would stutter");
    }
};

QTEST_MAIN(TestPictureSet)
#include "tst_pictureset.moc"
