// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/twipsgeometry.h"

#include "common/twips.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr char Property[] = "vertexaTwipsRect";
}

namespace TwipsGeometry {

QRect rect(const QWidget *control)
{
    const QVariant stored = control->property(Property);
    if (stored.isValid())
        return stored.toRect();
    const QRect pixels = control->geometry();
    return QRect(pixels.topLeft() * TwipsPerPixel, pixels.size() * TwipsPerPixel);
}

void setRect(QWidget *control, const QRect &twips)
{
    control->setProperty(Property, twips);
    control->setGeometry(twipsToPixels(twips));
}

void setLeft(QWidget *control, int twips)
{
    QRect r = rect(control);
    r.moveLeft(twips);
    setRect(control, r);
}

void setTop(QWidget *control, int twips)
{
    QRect r = rect(control);
    r.moveTop(twips);
    setRect(control, r);
}

void setWidth(QWidget *control, int twips)
{
    QRect r = rect(control);
    r.setWidth(twips);
    setRect(control, r);
}

void setHeight(QWidget *control, int twips)
{
    QRect r = rect(control);
    r.setHeight(twips);
    setRect(control, r);
}

} // namespace TwipsGeometry
