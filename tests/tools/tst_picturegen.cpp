// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "picturedrawing.h"

#include "common/framesequence.h"
#include "common/picturefile.h"
#include "common/picturenames.h"

#include <QRegularExpression>
#include <QTest>

using namespace PictureDrawing;

Q_DECLARE_METATYPE(FrameSequence)

// The picture generator: its star figures checked in memory, and the picture
// set the build put beside the program, as the program reads it (a GIF it
// could not write is missing).
class TestPictureGen : public QObject
{
    Q_OBJECT
    const PictureFolder program{QStringLiteral(VERTEXA_PROGRAM_DIR)};
private Q_SLOTS:
    void starFiguresMatchTheAnswers_data()
    {
        // The star {n/k} the questions count on: its corners (n) and its pieces
        // (the common divisor of n and k).
        QTest::addColumn<FrameSequence>("sequence");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("k");
        QTest::newRow("stellated octagon {8/3}") << FrameSequences::StellatedOctagon << 8 << 3;
        QTest::newRow("stellated nonagon {9/3}, three triangles") << FrameSequences::StellatedNonagon << 9 << 3;
        QTest::newRow("pentagram {5/2}") << FrameSequences::Pentagram << 5 << 2;
    }
    void starFiguresMatchTheAnswers()
    {
        QFETCH(FrameSequence, sequence);
        QFETCH(int, n);
        QFETCH(int, k);
        StarFigure figure; // none, no corners, if the sequence has no star figure
        for (const StarFigure &f : starFigures())
            figure = f.sequence == sequence ? f : figure;
        const StarPolygon star = starFramePolygon(figure, QSize(324, 244));
        // n edges, each joining corners k apart round the circle: a chord
        // over k / n of it.
        QCOMPARE(star.segments().size(), n);
        for (const StarPolygon::Segment &s : star.segments())
            QCOMPARE(qRound(QLineF(star.vertex(s.from), star.vertex(s.to)).length()),
                     qRound(2 * star.radius() * std::sin(M_PI * k / n)));
    }

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
                                                     {"^images\\\\", QSize(1785, 495)},
                                                     {"vertexa-(\\d+)\\.png$", QSize()}};
        for (const QString &name : PictureNames::all()) {
            const auto box = std::find_if(boxes.cbegin(), boxes.cend(), [&name](const auto &box) {
                return name.contains(QRegularExpression(box.first, QRegularExpression::CaseInsensitiveOption));
            });
            QVERIFY2(box != boxes.cend(), qPrintable(name + QStringLiteral(" shown by no known box")));
            const int icon = QRegularExpression(box->first).match(name).captured(1).toInt();
            const QSize size = box->second.isEmpty() ? QSize(icon, icon) : box->second / 15;
            QTest::newRow(qPrintable(name)) << name << size;
            QTest::newRow(qPrintable(PictureFolder::highResolutionName(name)))
                << PictureFolder::highResolutionName(name) << size * 2;
        }
    }
    void everyPictureIsThere()
    {
        QFETCH(QString, name);
        QTEST(program.load(name).size(), "size");
    }

    void stillsDiffer()
    {
        // Each button, the logo and the backgrounds show a picture of their own.
        const QStringList stills = PictureNames::stills();
        for (qsizetype i = 0; i < stills.size(); ++i)
            for (qsizetype j = i + 1; j < stills.size(); ++j)
                QVERIFY2(program.load(stills.at(i)) != program.load(stills.at(j)), qPrintable(stills.at(j)));
        // The program spells the buttons' folder both ways; on disk there is one.
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
        QList<QImage> frames; // each is there, which everyPictureIsThere checks
        for (const QString &name : sequence.fileNames())
            frames.append(program.load(name).convertToFormat(QImage::Format_RGB32));
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

QTEST_MAIN(TestPictureGen)
#include "tst_picturegen.moc"
