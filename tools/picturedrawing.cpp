// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "picturedrawing.h"

#include "common/colourtable.h"
#include "common/twips.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace PictureDrawing {

namespace {

constexpr double TwoPi = 2 * StarPolygon::Pi;

const QColor Field = Colours::StyledWindow; // the dark blue behind every figure
const QColor Face = Colours::StyledPicture; // the lighter blue inside figures
const QColor Shadow{16, 24, 64};

// A picture of the given size in pixels, ratio times as fine: painters on it
// still work in those pixels and the image holds ratio times as many.
QImage canvas(QSize pixels, const QColor &fill, qreal ratio)
{
    QImage image(pixels * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QFont boldFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

// Smooth there and back: 0 at frame 0, 1 around the middle of the loop,
// resting a little at both ends.
double thereAndBack(int frame, int count)
{
    const double phase = double(frame) / count;
    const double tri = 1 - std::abs(2 * phase - 1);
    const double s = std::clamp((tri - 0.1) / 0.75, 0.0, 1.0);
    return s * s * (3 - 2 * s);
}

// Text with a dark shadow, centred in a box. Never clipped to the box: a
// word cut off is worse than one that runs over.
void shadowedText(QPainter &p, const QRectF &box, const QString &text, const QColor &colour, double offset)
{
    const int flags = Qt::AlignCenter | Qt::TextDontClip;
    p.setPen(Shadow);
    p.drawText(box.translated(offset, offset), flags, text);
    p.setPen(colour);
    p.drawText(box, flags, text);
}

// The closed polygons a star is made of: one for {n/k} with n and k
// coprime, several for a compound. Followed along the program's segments.
QList<QPolygonF> starOutlines(const StarPolygon &star)
{
    QHash<int, int> next;
    for (const StarPolygon::Segment &s : star.segments())
        next.insert(s.from, s.to);
    QList<QPolygonF> outlines;
    QSet<int> visited;
    for (int start = 0; start < star.vertexCount(); ++start) {
        if (visited.contains(start) || !next.contains(start))
            continue;
        QPolygonF outline;
        int v = start;
        while (!visited.contains(v) && next.contains(v)) {
            visited.insert(v);
            outline << star.drawnVertex(v);
            v = next.value(v);
        }
        outlines.append(outline);
    }
    return outlines;
}

QPainterPath starArea(const StarPolygon &star)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QPolygonF &outline : starOutlines(star))
        path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

// A star polygon filled and outlined, in whatever units the painter uses.
void paintStar(QPainter &p,
               const StarPolygon &star,
               const QColor &fill,
               const QList<QColor> &edgeColours,
               double edgeWidth)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(starArea(star));
    p.setBrush(Qt::NoBrush);
    const QList<QPolygonF> outlines = starOutlines(star);
    for (int i = 0; i < outlines.size(); ++i) {
        QPen pen(edgeColours.at(i % edgeColours.size()), edgeWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.drawPolygon(outlines.at(i));
    }
}

void paintVertexDots(QPainter &p, const StarPolygon &star, double radius, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int j = 0; j < star.vertexCount(); ++j)
        p.drawEllipse(star.drawnVertex(j), radius, radius);
    p.setBrush(Qt::NoBrush);
}

QPointF pixelCentreTwips(QSize pixels)
{
    return QPointF(pixelsToTwips(pixels.width()) / 2, pixelsToTwips(pixels.height()) / 2);
}

// Visual angle of a direction in degrees, anticlockwise from east as on
// screen (y grows downwards), the way QPainter::drawPie counts.
double screenAngle(QPointF d)
{
    return std::atan2(-d.y(), d.x()) * 180 / StarPolygon::Pi;
}

double normalised(double degrees)
{
    double a = std::fmod(degrees, 360.0);
    return a < 0 ? a + 360 : a;
}

} // namespace

QList<StarFigure> starFigures()
{
    return {
        {FrameSequences::StellatedOctagon, 8, 3},
        {FrameSequences::StellatedNonagon, 9, 3},
        {FrameSequences::Pentagram, 5, 2},
    };
}

StarPolygon starFramePolygon(const StarFigure &figure, QSize pixels)
{
    const double radius = pixelsToTwips(std::min(pixels.width(), pixels.height())) * 0.43;
    return StarPolygon(figure.n, figure.k, pixelCentreTwips(pixels), radius);
}

QTransform starFrameTransform(const StarFigure &figure, int frame, QSize pixels)
{
    // One loop turns the star by the smallest angle that brings it back onto
    // itself colours and all, so the frame after the last one is frame 0
    // again: 360 / n for a single polygon, a whole component's turn for a
    // compound, whose components are coloured apart.
    const int componentCorners = figure.n / std::gcd(figure.n, figure.k);
    const double turn = 360.0 / componentCorners * frame / figure.sequence.count;
    const QPointF centre = pixelCentreTwips(pixels);
    QTransform t;
    t.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
    t.translate(centre.x(), centre.y());
    t.rotate(turn);
    t.translate(-centre.x(), -centre.y());
    return t;
}

QImage starFrame(const StarFigure &figure, int frame, QSize pixels, qreal ratio)
{
    QImage image = canvas(pixels, Field, ratio);
    QPainter p(&image);
    prepare(p);
    const StarPolygon star = starFramePolygon(figure, pixels);
    const double pulse = 0.5 - 0.5 * std::cos(TwoPi * frame / figure.sequence.count);

    // A soft disc behind the figure; it glows as the loop goes round.
    p.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
    // Kept inside the picture, so the picture's edge never cuts the disc.
    const double halo = star.radius() * (1.06 + 0.03 * pulse);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(44, 74, 168));
    p.drawEllipse(star.centre(), halo * 1.05, halo * 1.05);
    p.setBrush(QColor(46, 80, 178));
    p.drawEllipse(star.centre(), halo, halo);

    p.setTransform(starFrameTransform(figure, frame, pixels));
    // Each component polygon of a compound gets its own colour, so the
    // pieces can be told apart.
    const QList<QColor> edgeColours{Colours::Yellow, QColor(255, 150, 40), QColor(255, 110, 200)};
    const double unit = TwipsPerPixel;
    if (figure.sequence.extension.compare(QStringLiteral(".jpg"), Qt::CaseInsensitive) == 0) {
        // JPEG takes soft edges well: a glowing rim that swells and fades.
        QColor glow = Colours::Yellow;
        glow.setAlphaF(0.18 + 0.22 * pulse);
        p.setBrush(Qt::NoBrush);
        for (const QPolygonF &outline : starOutlines(star)) {
            p.setPen(QPen(glow, unit * (7 + 4 * pulse), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolygon(outline);
        }
    }
    paintStar(p, star, Face, edgeColours, unit * 3);
    paintVertexDots(p, star, unit * 3, Colours::White);
    return image;
}

QImage triangleFrame(int frame, int count, QSize pixels, qreal ratio)
{
    QImage image = canvas(pixels, Field, ratio);
    QPainter p(&image);
    prepare(p);
    // Work on a 324 x 244 layout and let the painter fit it to the picture.
    p.scale(pixels.width() / 324.0, pixels.height() / 244.0);

    const QPointF a(44, 192), b(292, 192), c(112, 66);
    const double t = thereAndBack(frame, count);
    const double radius = 32;

    p.setPen(QPen(Colours::Yellow, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Face);
    p.drawPolygon(QPolygonF{a, b, c});

    // The line through the top corner parallel to the base: the three
    // angles meet on it when they have slid together.
    QColor guide = Colours::White;
    guide.setAlphaF(0.25 + 0.75 * t);
    p.setPen(QPen(guide, 2, Qt::DashLine, Qt::FlatCap));
    p.drawLine(QPointF(12, c.y()), QPointF(312, c.y()));

    struct Wedge
    {
        QPointF corner;
        QPointF towards; // the side the angle starts from, anticlockwise
        QPointF other;   // the side it ends on
        QPointF pivot;   // turning half round this point brings it to the top
        double turnSign;
        QColor colour;
        QString letter;
    };
    const QList<Wedge> wedges{
        {a, b, c, (a + c) / 2, 1, QColor(235, 70, 70), QStringLiteral("P")},
        {b, c, a, (b + c) / 2, -1, QColor(70, 210, 100), QStringLiteral("Q")},
        {c, a, b, c, 0, QColor(255, 200, 40), QStringLiteral("R")},
    };
    p.setFont(boldFont(14));
    for (const Wedge &w : wedges) {
        const double start = screenAngle(w.towards - w.corner);
        const double span = normalised(screenAngle(w.other - w.corner) - start);
        QTransform move;
        move.translate(w.pivot.x(), w.pivot.y());
        move.rotate(w.turnSign * 180 * t);
        move.translate(-w.pivot.x(), -w.pivot.y());

        p.save();
        p.setTransform(move, true);
        QColor fill = w.colour;
        fill.setAlpha(235);
        p.setPen(QPen(Shadow, 1.5));
        p.setBrush(fill);
        p.drawPie(QRectF(w.corner - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
                  qRound(start * 16),
                  qRound(span * 16));
        p.restore();

        // The letter sits just beyond the arc, upright whatever the turn.
        const double middle = (start + span / 2) * StarPolygon::Pi / 180;
        const QPointF at = move.map(w.corner + QPointF(std::cos(middle), -std::sin(middle)) * (radius + 11));
        p.setPen(w.colour.lighter(115));
        p.drawText(QRectF(at - QPointF(10, 10), QSizeF(20, 20)), Qt::AlignCenter, w.letter);
    }

    QColor sum = Colours::White;
    sum.setAlphaF(t);
    p.setFont(boldFont(17));
    p.setPen(sum);
    p.drawText(QRectF(0, 206, 324, 34), Qt::AlignCenter, QStringLiteral("P + Q + R = 180\u00B0"));
    return image;
}

QImage titleFrame(int frame, int count, QSize pixels, qreal ratio)
{
    QImage image = canvas(pixels, Field, ratio);
    QPainter p(&image);
    prepare(p);
    p.scale(pixels.width() / 320.0, pixels.height() / 240.0);
    const double phase = double(frame) / count;

    // Rays from the centre, still, a shade apart.
    const QPointF centre(160, 98);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(45, 76, 170));
    for (int i = 0; i < 12; ++i) {
        const double from = TwoPi * i / 12, to = from + TwoPi / 24;
        p.drawPolygon(QPolygonF{centre,
                                centre + 400 * QPointF(std::cos(from), std::sin(from)),
                                centre + 400 * QPointF(std::cos(to), std::sin(to))});
    }

    // The main star turns by its own symmetry, 30 degrees, once a loop.
    p.save();
    p.translate(centre);
    p.rotate(30 * phase);
    p.translate(-centre);
    const StarPolygon big(12, 5, centre, 82);
    paintStar(p, big, Face, {Colours::Yellow}, 2);
    const StarPolygon inner(6, 2, centre, 30);
    paintStar(p, inner, Colours::StyledWindow, {Colours::White}, 1.5);
    paintVertexDots(p, big, 2.5, Colours::White);
    p.restore();

    // Small stars in the corners twinkle in turn.
    struct Corner
    {
        QPointF at;
        int n, k;
        double delay;
    };
    const QList<Corner> corners{{{30, 30}, 5, 2, 0},
                                {{290, 30}, 7, 3, 0.25},
                                {{290, 164}, 5, 2, 0.5},
                                {{30, 164}, 7, 2, 0.75}};
    for (const Corner &c : corners) {
        const double size = 17 + 4 * std::sin(TwoPi * (phase + c.delay));
        paintStar(p, StarPolygon(c.n, c.k, c.at, size), Colours::Canvas, {Colours::Yellow}, 1.5);
    }

    p.setFont(boldFont(30));
    shadowedText(p, QRectF(0, 190, 320, 46), QStringLiteral("Vertexa 1"), Colours::Yellow, 2);
    return image;
}

QImage menuBackground(QSize pixels, qreal ratio)
{
    QImage image = canvas(pixels, Colours::Canvas, ratio);
    QPainter p(&image);
    prepare(p);
    p.scale(pixels.width() / 800.0, pixels.height() / 600.0);
    // Faint outlines only: the menu's yellow labels sit on top of this.
    const QColor faint(57, 144, 223);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(faint, 2));
    const StarPolygon middle(9, 4, QPointF(400, 345), 230);
    for (const QPolygonF &outline : starOutlines(middle))
        p.drawPolygon(outline);
    p.drawEllipse(QPointF(400, 345), 236.0, 236.0);
    p.setPen(QPen(faint, 1.5));
    for (const auto &[at, n, k, r] : {std::tuple{QPointF(40, 560), 5, 2, 90.0},
                                      std::tuple{QPointF(760, 560), 7, 3, 90.0},
                                      std::tuple{QPointF(760, 40), 8, 3, 70.0}}) {
        for (const QPolygonF &outline : starOutlines(StarPolygon(n, k, at, r)))
            p.drawPolygon(outline);
    }
    // A fine dotted lattice ties the page together.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(54, 141, 220));
    for (int y = 12; y < 600; y += 24) {
        for (int x = 12 + (y / 24 % 2) * 12; x < 800; x += 24)
            p.drawEllipse(QPointF(x, y), 1.2, 1.2);
    }
    return image;
}

QImage logo(QSize pixels, qreal ratio)
{
    QImage image = canvas(pixels, Field, ratio);
    QPainter p(&image);
    prepare(p);
    p.scale(pixels.width() / 100.0, pixels.height() / 139.0);
    QLinearGradient sky(0, 0, 0, 139);
    sky.setColorAt(0, Face);
    sky.setColorAt(1, Field);
    p.fillRect(QRectF(0, 0, 100, 139), sky);
    p.setPen(QPen(Colours::Yellow, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2, 2, 96, 135), 8, 8);

    const StarPolygon star(5, 2, QPointF(50, 50), 36);
    QRadialGradient glow(QPointF(50, 50), 44);
    glow.setColorAt(0, QColor(255, 255, 180, 140));
    glow.setColorAt(1, QColor(255, 255, 180, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(50, 50), 44.0, 44.0);
    paintStar(p, star, Colours::Yellow, {QColor(200, 120, 0)}, 1.5);
    paintVertexDots(p, star, 3, Colours::White);

    p.setFont(boldFont(17));
    shadowedText(p, QRectF(0, 92, 100, 24), QStringLiteral("Vertexa"), Colours::Yellow, 1.5);
    p.setFont(boldFont(20));
    shadowedText(p, QRectF(0, 112, 100, 24), QStringLiteral("1"), Colours::White, 1.5);
    return image;
}

QImage icon(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    prepare(p);
    const double s = pixels / 32.0;
    p.scale(s, s);
    QLinearGradient sky(0, 0, 0, 32);
    sky.setColorAt(0, Face);
    sky.setColorAt(1, Field);
    p.setPen(QPen(QColor(20, 34, 90), 1));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
    const StarPolygon star(5, 2, QPointF(16, 16.8), 13);
    paintStar(p, star, Colours::Yellow, {QColor(190, 110, 0)}, pixels >= 48 ? 0.8 : 1.0);
    if (pixels >= 48)
        paintVertexDots(p, star, 1.3, Colours::White);
    return image;
}

QImage buttonFace(PictureNames::ButtonSymbol symbol, const QString &word, QSize pixels, qreal ratio)
{
    using PictureNames::ButtonSymbol;
    QImage image = canvas(pixels, Field, ratio);
    QPainter p(&image);
    prepare(p);
    p.scale(pixels.width() / 119.0, pixels.height() / 33.0);
    QLinearGradient sky(0, 0, 0, 33);
    sky.setColorAt(0, QColor(84, 160, 236));
    sky.setColorAt(0.5, Face);
    sky.setColorAt(1, Field);
    p.fillRect(QRectF(0, 0, 119, 33), Shadow);
    p.setPen(QPen(QColor(150, 200, 255), 1));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(1.5, 1.5, 116, 30), 6, 6);

    // A symbol on the left, white, in a 20 x 20 box at (8, 6.5).
    p.save();
    p.translate(8, 6.5);
    QPen stroke(Colours::White, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(stroke);
    p.setBrush(Qt::NoBrush);
    switch (symbol) {
    case ButtonSymbol::Exit:
        p.drawLine(QPointF(18, 10), QPointF(3, 10));
        p.drawPolyline(QPolygonF{QPointF(9, 3.5), QPointF(2.5, 10), QPointF(9, 16.5)});
        break;
    case ButtonSymbol::Next:
        p.drawLine(QPointF(2, 10), QPointF(17, 10));
        p.drawPolyline(QPolygonF{QPointF(11, 3.5), QPointF(17.5, 10), QPointF(11, 16.5)});
        break;
    case ButtonSymbol::Answer:
        // A light bulb: the answer comes to light.
        p.setPen(QPen(Colours::White, 2));
        p.setBrush(Colours::Yellow);
        p.drawEllipse(QPointF(10, 8), 6.5, 6.5);
        p.setBrush(Colours::White);
        p.drawRect(QRectF(7, 14.5, 6, 4));
        break;
    case ButtonSymbol::Check:
        p.setPen(QPen(QColor(120, 255, 120), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF{QPointF(2.5, 10.5), QPointF(8, 16), QPointF(18, 3.5)});
        break;
    case ButtonSymbol::Jotter:
        // A pencil, writing downwards to the left.
        p.translate(10, 10);
        p.rotate(45);
        p.setPen(QPen(Shadow, 1));
        p.setBrush(Colours::Yellow);
        p.drawRect(QRectF(-3, -10, 6, 14));
        p.setBrush(QColor(255, 210, 160));
        p.drawPolygon(QPolygonF{QPointF(-3, 4), QPointF(3, 4), QPointF(0, 10)});
        p.setBrush(QColor(235, 90, 90));
        p.drawRect(QRectF(-3, -12, 6, 3));
        break;
    }
    p.restore();

    // A longer word, as some languages have, is drawn smaller rather than
    // run over the symbol or the rim: scaled about the middle of its area
    // until it fits.
    const QRectF textArea(30, 0, 84, 33);
    const double shadowOffset = 1.2;
    p.setFont(boldFont(16));
    const double width = QFontMetricsF(p.font(), p.device()).horizontalAdvance(word) + shadowOffset;
    if (width > textArea.width()) {
        const double scale = std::max(textArea.width() / width, MinimumWordScale);
        p.translate(textArea.center());
        p.scale(scale, scale);
        p.translate(-textArea.center());
    }
    shadowedText(p, textArea, word, Colours::Yellow, shadowOffset);
    return image;
}

} // namespace PictureDrawing
