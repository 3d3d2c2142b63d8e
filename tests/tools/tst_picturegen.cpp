// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "gifwriter.h"
#include "picturedrawing.h"

#include "common/colourtable.h"
#include "common/picturefile.h"
#include "problems/framesequence.h"

#include <QTest>

using namespace PictureDrawing;

Q_DECLARE_METATYPE(FrameSequence)

// The generator's drawing and writing, checked in memory; the files it wrote
// are checked as the program reads them in tst_pictureset.
class TestPictureGen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void starFiguresMatchTheAnswers_data()
    {
        QTest::addColumn<FrameSequence>("sequence");
        // Where edges cross away from the corners: n(k - 1) for {n/k}, none for a plain polygon.
        // It tells the figure, and so the pieces the questions count.
        QTest::addColumn<int>("crossings");
        QTest::newRow("stellated octagon {8/3}") << FrameSequences::StellatedOctagon << 16;
        QTest::newRow("stellated nonagon {9/3}, three triangles") << FrameSequences::StellatedNonagon << 18;
        QTest::newRow("pentagram {5/2}") << FrameSequences::Pentagram << 5;
    }
    void starFiguresMatchTheAnswers()
    {
        QFETCH(FrameSequence, sequence);
        const QList<StarFigure> figures = starFigures();
        const auto figure =
            std::find_if(figures.begin(), figures.end(), [&](auto &f) { return f.sequence == sequence; });
        QVERIFY2(figure != figures.end(), "the sequence has no star figure");
        const StarPolygon star = starFramePolygon(*figure, QSize(324, 244));
        const QList<StarPolygon::Segment> segments = star.segments();
        int crossed = 0;
        for (qsizetype i = 0; i < segments.size(); ++i) {
            const StarPolygon::Segment &s = segments.at(i);
            for (const StarPolygon::Segment &t : segments.mid(i + 1)) {
                const bool sharesCorner = t.from == s.from || t.from == s.to || t.to == s.from || t.to == s.to;
                const QLineF a(star.vertex(s.from), star.vertex(s.to)), b(star.vertex(t.from), star.vertex(t.to));
                crossed += !sharesCorner && a.intersects(b) == QLineF::BoundedIntersection;
            }
        }
        QTEST(crossed, "crossings");
    }

    void gifPaletteKeepsTheProgramColours()
    {
        const QList<QRgb> programColours{Colours::StyledWindow.rgb(), Colours::Canvas.rgb(), Colours::Yellow.rgb()};
        // A picture with one of the program's colours and far too many of its own.
        QImage image(80, 80, QImage::Format_RGB32);
        for (int i = 0; i < 80 * 80; ++i)
            image.setPixel(i % 80, i / 80, qRgb(i % 80 * 3, 255 - i / 80 * 3, 128));
        image.setPixel(3, 3, Colours::Canvas.rgb());
        const GifWriter writer(programColours);
        const QList<QRgb> palette = writer.palette(image);
        QCOMPARE(palette.size(), GifWriter::MaxColours);
        QCOMPARE(palette.mid(0, programColours.size()), programColours);
        // The program's own reader, which refuses damaged files, takes it, and the colour survives exactly.
        const QImage back = decodePicture(writer.encode(image));
        QCOMPARE(back.pixel(3, 3), Colours::Canvas.rgb());
    }
};

QTEST_MAIN(TestPictureGen)
#include "tst_picturegen.moc"
