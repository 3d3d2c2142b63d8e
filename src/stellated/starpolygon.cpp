// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "stellated/starpolygon.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounds halves to the even neighbour, and keeps the result in a safe range.
long long roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double clamped = std::clamp(value, -1e15, 1e15);
    return static_cast<long long>(std::nearbyint(clamped)); // default mode: to nearest, ties to even
}

} // namespace

long long roundingMod(double dividend, double divisor)
{
    const long long a = roundHalfEven(dividend);
    const long long b = roundHalfEven(divisor);
    if (b == 0)
        return 0;
    return a % b; // C++ gives the remainder the sign of the dividend
}

StarPolygon::StarPolygon(double n, double k, QPointF centre, double radius)
    : m_n(n)
    , m_k(k)
    , m_centre(centre)
    , m_radius(radius)
{
    for (int j = 0; j < MaxVertices && j <= n - 1; ++j) {
        const double theta = ((j - 0.5) * (2 * Pi)) / n;
        m_vertices.append(QPointF(centre.x() + radius * std::sin(theta), centre.y() + radius * std::cos(theta)));
    }
}

double StarPolygon::toSinglePrecision(double value)
{
    // Through a volatile float: GCC 12 at -O2 folds a pair of double-to-float
    // round trips into nothing when they feed a QPointF.
    volatile float single = static_cast<float>(value);
    return single;
}

QPointF StarPolygon::drawnVertex(int j) const
{
    const QPointF v = vertex(j);
    return QPointF(toSinglePrecision(v.x()), toSinglePrecision(v.y()));
}

QList<StarPolygon::Segment> StarPolygon::segments() const
{
    QList<Segment> result;
    const int count = vertexCount();
    const long long divisor = roundHalfEven(m_n);
    for (int i = 1; i <= m_n && i <= count; ++i) {
        long long to = roundingMod(m_k + i - 1, m_n);
        // A negative step counts backwards round the circle: -1 reaches the
        // vertex before, as a step of n - 1 would.
        if (to < 0)
            to += divisor;
        // A fractional n can round up past the last placed vertex; such an
        // end does not exist, so its segment is left out.
        if (to < 0 || to >= count)
            continue;
        result.append(Segment{i - 1, static_cast<int>(to)});
    }
    return result;
}
