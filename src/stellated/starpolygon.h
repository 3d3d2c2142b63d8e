// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QList>
#include <QPointF>

// The star polygon {n/k}: n points spaced evenly on a circle, each joined to
// the point k places further along. Vertex 0 lies just left of the lowest
// point and the numbering runs anticlockwise as seen on screen, so the convex
// n-gon has a horizontal bottom edge. Coordinates are twips, y downwards.
class StarPolygon
{
public:
    // Pi to ten decimals, as the figures have always been drawn with.
    static constexpr double Pi = 3.1415926535;
    // The explorer's circle.
    static constexpr QPointF ExplorerCentre{9000, 4800};
    static constexpr double ExplorerRadius = 2250;
    // No figure has more vertices than this.
    static constexpr int MaxVertices = 21;

    struct Segment
    {
        int from;
        int to;
        friend bool operator==(const Segment &a, const Segment &b) { return a.from == b.from && a.to == b.to; }
    };

    // n and k as read from the pupil's boxes; they need not be whole.
    StarPolygon(double n, double k, QPointF centre = ExplorerCentre, double radius = ExplorerRadius);

    double n() const { return m_n; }
    double k() const { return m_k; }
    QPointF centre() const { return m_centre; }
    double radius() const { return m_radius; }

    // Vertices placed: j = 0, 1, ... while j <= n - 1, at most MaxVertices.
    int vertexCount() const { return m_vertices.size(); }
    // Vertex j in double precision; j must be below vertexCount().
    QPointF vertex(int j) const { return m_vertices.at(j); }
    // The same, as handed to drawing: single precision.
    QPointF drawnVertex(int j) const;
    // A coordinate as drawing takes it: rounded to single precision.
    static double toSinglePrecision(double value);

    // One segment per vertex, in the order of the starting vertex: from i - 1
    // to (k + i - 1) mod n for i = 1 ... n. A negative step runs the other way
    // round, so every end is a placed vertex.
    QList<Segment> segments() const;

private:
    double m_n;
    double m_k;
    QPointF m_centre;
    double m_radius;
    QList<QPointF> m_vertices;
};

// Whole-number remainder as the figures need it: both operands are first
// rounded to whole numbers (halves to the even one) and the result has the
// sign of the dividend. A divisor that rounds to 0 gives 0.
long long roundingMod(double dividend, double divisor);
