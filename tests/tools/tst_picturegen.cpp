// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "gifwriter.h"
#include "picturedrawing.h"
#include "pictureset.h"

#include "common/colourtable.h"
#include "common/picturefile.h"
#include "problems/framesequence.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImageReader>
#include <QTest>

#include <numeric>
#include <set>

using namespace PictureDrawing;

Q_DECLARE_METATYPE(FrameSequence)

namespace {

std::optional<StarFigure> figureFor(const FrameSequence &sequence)
{
    for (const StarFigure &figure : starFigures()) {
        if (figure.sequence == sequence)
            return figure;
    }
    return std::nullopt;
}

// Connected pieces of the figure, found from its segments alone.
int componentCount(const StarPolygon &star)
{
    QList<int> parent(star.vertexCount());
    std::iota(parent.begin(), parent.end(), 0);
    std::function<int(int)> root = [&](int v) { return parent[v] == v ? v : parent[v] = root(parent[v]); };
    for (const StarPolygon::Segment &s : star.segments())
        parent[root(s.from)] = root(s.to);
    std::set<int> roots;
    for (int v = 0; v < star.vertexCount(); ++v)
        roots.insert(root(v));
    return int(roots.size());
}

QImage decodeGif(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

int colourDistance(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

// How far, on average over the pixels, a fine twin brought down to the
// plain size may be from the plain picture (sum of the channel differences;
// small text is hinted differently at the two sizes and makes most of it).
constexpr double MostTwinDifference = 10;

const QList<QRgb> ProgramColours{Colours::StyledWindow.rgb(),
                                 Colours::StyledPicture.rgb(),
                                 Colours::Canvas.rgb(),
                                 Colours::Yellow.rgb()};

} // namespace

class TestPictureGen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void starFiguresMatchTheAnswers_data();
    void starFiguresMatchTheAnswers();
    void starFramesShowTheFigure_data();
    void starFramesShowTheFigure();
    void wordsFitTheirFace_data();
    void wordsFitTheirFace();
    void fineTwinsShowTheSamePicture_data();
    void fineTwinsShowTheSamePicture();
    void gifRoundTrip_data();
    void gifRoundTrip();
    void gifPaletteKeepsTheProgramColours();
};

void TestPictureGen::starFiguresMatchTheAnswers_data()
{
    QTest::addColumn<FrameSequence>("sequence");
    QTest::addColumn<int>("edges");
    QTest::addColumn<int>("components");
    QTest::newRow("stellated octagon") << FrameSequences::StellatedOctagon << 8 << 1;
    QTest::newRow("stellated nonagon") << FrameSequences::StellatedNonagon << 9 << 3;
    QTest::newRow("pentagram") << FrameSequences::Pentagram << 5 << 1;
}

void TestPictureGen::starFiguresMatchTheAnswers()
{
    QFETCH(FrameSequence, sequence);
    QFETCH(int, edges);
    QFETCH(int, components);
    const std::optional<StarFigure> figure = figureFor(sequence);
    QVERIFY2(figure, "the sequence has no star figure");
    // The questions ask for the edges and the pieces of what the pupil sees.
    const StarPolygon star = starFramePolygon(*figure, QSize(324, 244));
    QCOMPARE(star.segments().size(), edges);
    QCOMPARE(star.vertexCount(), edges);
    QCOMPARE(componentCount(star), components);
}

void TestPictureGen::starFramesShowTheFigure_data()
{
    QTest::addColumn<FrameSequence>("sequence");
    QTest::addColumn<int>("frame");
    for (const StarFigure &figure : starFigures()) {
        const QString name = figure.sequence.base.section(u'\\', 0, 0);
        for (int frame : {0, figure.sequence.count / 3, figure.sequence.count - 1})
            QTest::addRow("%s frame %d", qPrintable(name), frame) << figure.sequence << frame;
    }
}

void TestPictureGen::starFramesShowTheFigure()
{
    QFETCH(FrameSequence, sequence);
    QFETCH(int, frame);
    const std::optional<StarFigure> figure = figureFor(sequence);
    QVERIFY(figure);
    const QSize size(324, 244);
    // Checked as the file will hold it, after encoding.
    const QString name = sequence.fileName(frame);
    const QImage image = decodePicture(PictureSet::encode(starFrame(*figure, frame, size), name));
    QVERIFY(!image.isNull());

    const StarPolygon star = starFramePolygon(*figure, size);
    const QTransform toPixels = starFrameTransform(*figure, frame, size);
    // The edges are drawn in warm colours, the blues around them have little red.
    for (const StarPolygon::Segment &s : star.segments()) {
        for (double along : {0.3, 0.5, 0.7}) {
            const QPointF at = toPixels.map(star.vertex(s.from) * (1 - along) + star.vertex(s.to) * along);
            const QRgb pixel = image.pixel(at.toPoint());
            QVERIFY2(
                qRed(pixel) >= 180,
                qPrintable(QStringLiteral("no edge %1-%2 at (%3, %4)").arg(s.from).arg(s.to).arg(at.x()).arg(at.y())));
        }
    }
    const QPointF centre = toPixels.map(star.centre());
    QVERIFY2(qRed(image.pixel(centre.toPoint())) < 120, "the centre of the figure is not inside it");
    // The figure turns: its first vertex is not where frame 0 has it, except in frame 0.
    const QPointF first = toPixels.map(star.vertex(0));
    const QPointF home = starFrameTransform(*figure, 0, size).map(star.vertex(0));
    QCOMPARE(frame == 0, QLineF(first, home).length() < 0.5);
}

void TestPictureGen::wordsFitTheirFace_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("ratio");
    // English words, and words as long as the translations may bring.
    for (const char *word : {"Exit", "Brouillon", "Notizblock", "Comprobar"}) {
        for (int ratio : {1, PictureFolder::HighResolutionRatio})
            QTest::addRow("%s@%d", word, ratio) << QString::fromUtf8(word) << ratio;
    }
}

void TestPictureGen::wordsFitTheirFace()
{
    QFETCH(QString, word);
    QFETCH(int, ratio);
    const QImage face = buttonFace(ButtonFace::Exit, word, QSize(119, 33), ratio).convertToFormat(QImage::Format_RGB32);
    // The word's yellow ink, in the face's own pixels.
    int left = face.width(), right = -1;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const QColor c = face.pixelColor(x, y);
            if (c.red() > 160 && c.green() > 160 && c.blue() < 140) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
    }
    QVERIFY2(right >= 0, "no word drawn");
    const double inkLeft = double(left) / ratio, inkRight = double(right + 1) / ratio;
    // Beside the symbol (20 pixels from 8) and inside the rim (from 117.5).
    QVERIFY2(inkLeft >= 29 && inkRight <= 115, qPrintable(QStringLiteral("ink %1 to %2").arg(inkLeft).arg(inkRight)));
    // At its full size when it fits, else as large as fits: never shrunk
    // further than it needs.
    QFont full(QStringLiteral("DejaVu Sans"));
    full.setPixelSize(16);
    full.setBold(true);
    const double wanted = qMin(QFontMetricsF(full).horizontalAdvance(word), 84.0);
    QVERIFY2(inkRight - inkLeft > wanted - 5, qPrintable(QStringLiteral("ink %1 wide").arg(inkRight - inkLeft)));
}

void TestPictureGen::fineTwinsShowTheSamePicture_data()
{
    QTest::addColumn<int>("index");
    const QList<PictureJob> pictures = PictureSet::programPictures();
    // The single pictures and a spread of animation frames.
    for (int i = 0; i < pictures.size(); ++i) {
        if (i < 8 || i % 9 == 0)
            QTest::addRow("%s", qPrintable(pictures.at(i).name)) << i;
    }
}

void TestPictureGen::fineTwinsShowTheSamePicture()
{
    QFETCH(int, index);
    const PictureJob plain = PictureSet::programPictures().at(index);
    const PictureJob fine = PictureSet::programPictures(PictureFolder::HighResolutionRatio).at(index);
    QCOMPARE(fine.name, PictureFolder::highResolutionName(plain.name));
    const QImage drawn = plain.draw().convertToFormat(QImage::Format_RGB32);
    const QImage fineDrawn = fine.draw();
    QCOMPARE(fineDrawn.size(), fine.size);
    QCOMPARE(fine.size, plain.size * PictureFolder::HighResolutionRatio);

    // Brought down to the plain size, the fine picture is the plain one with
    // edges a little smoother: lines as thick, text as large, all in place.
    const QImage reduced = fineDrawn.scaled(plain.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_RGB32);
    double total = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x)
            total += colourDistance(drawn.pixel(x, y), reduced.pixel(x, y));
    }
    const double mean = total / (double(drawn.width()) * drawn.height());
    QVERIFY2(mean < MostTwinDifference, qPrintable(QStringLiteral("mean difference %1").arg(mean)));
}

void TestPictureGen::gifRoundTrip_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<int>("tolerance");

    QImage flat(40, 30, QImage::Format_RGB32);
    flat.fill(Colours::Canvas);
    for (int x = 0; x < 40; ++x) {
        flat.setPixel(x, 5, Colours::Yellow.rgb());
        flat.setPixel(x, 20, qRgb(x * 6, 255 - x * 6, 17));
    }
    QTest::newRow("few colours, exact") << flat << 0;

    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(Colours::StyledWindow);
    QTest::newRow("one pixel") << one << 0;

    QImage odd(7, 3, QImage::Format_ARGB32);
    odd.fill(QColor(10, 200, 30));
    odd.setPixel(6, 2, qRgb(250, 1, 2));
    QTest::newRow("odd size") << odd << 0;

    // 4096 colours: far more than a GIF holds, so they come out near.
    QImage many(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            many.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
    QTest::newRow("many colours, nearest") << many << 3 * 43;
}

void TestPictureGen::gifRoundTrip()
{
    QFETCH(QImage, image);
    QFETCH(int, tolerance);
    const GifWriter writer(ProgramColours);
    const QByteArray bytes = writer.encode(image);
    QVERIFY(bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"));
    // The program's own reader, which refuses damaged files, takes it.
    QVERIFY(!decodePicture(bytes).isNull());

    const QImage back = decodeGif(bytes);
    QCOMPARE(back.size(), image.size());
    const QImage original = image.convertToFormat(QImage::Format_RGB32);
    int worst = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            worst = qMax(worst, colourDistance(back.pixel(x, y), original.pixel(x, y)));
    QVERIFY2(worst <= tolerance, qPrintable(QStringLiteral("a pixel is off by %1").arg(worst)));
}

void TestPictureGen::gifPaletteKeepsTheProgramColours()
{
    // A picture with none of the program's colours and far too many of its own.
    QImage image(80, 80, QImage::Format_RGB32);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x)
            image.setPixel(x, y, qRgb(x * 3, 255 - y * 3, 128));
    const GifWriter writer(ProgramColours);
    const QList<QRgb> palette = writer.palette(image);
    QCOMPARE(palette.size(), GifWriter::MaxColours);
    QCOMPARE(palette.mid(0, ProgramColours.size()), ProgramColours);

    // And where the picture uses them, they survive exactly.
    image.fill(Colours::Canvas);
    image.setPixel(3, 3, Colours::StyledPicture.rgb());
    const QImage back = decodeGif(writer.encode(image));
    QCOMPARE(back.pixel(0, 0), Colours::Canvas.rgb());
    QCOMPARE(back.pixel(3, 3), Colours::StyledPicture.rgb());
}

QTEST_MAIN(TestPictureGen)
#include "tst_picturegen.moc"
