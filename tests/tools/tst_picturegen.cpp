// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "gifwriter.h"
#include "picturedrawing.h"

#include "common/colourtable.h"
#include "common/framesequence.h"
#include "common/picturefile.h"

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
        StarFigure figure; // none, no corners, if the sequence has no star figure
        for (const StarFigure &f : starFigures())
            figure = f.sequence == sequence ? f : figure;
        const StarPolygon star = starFramePolygon(figure, QSize(324, 244));
        int crossed = 0; // each crossing twice, once from either edge
        for (const StarPolygon::Segment &s : star.segments()) {
            for (const StarPolygon::Segment &t : star.segments()) {
                const bool sharesCorner = t.from == s.from || t.from == s.to || t.to == s.from || t.to == s.to;
                const QLineF a(star.vertex(s.from), star.vertex(s.to)), b(star.vertex(t.from), star.vertex(t.to));
                crossed += !sharesCorner && a.intersects(b) == QLineF::BoundedIntersection;
            }
        }
        QTEST(crossed / 2, "crossings");
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
        QCOMPARE(writer.palette(image).size(), GifWriter::MaxColours);
        QCOMPARE(writer.palette(image).mid(0, programColours.size()), programColours);
        // The program's own reader, which refuses damaged files, takes it, and the colour survives exactly.
        QCOMPARE(decodePicture(writer.encode(image)).pixel(3, 3), Colours::Canvas.rgb());
    }
};

QTEST_MAIN(TestPictureGen)
#include "tst_picturegen.moc"
