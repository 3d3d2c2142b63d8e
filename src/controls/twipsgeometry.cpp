// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "controls/twipsgeometry.h"

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

namespace {
template<class Change>
void adjust(QWidget *control, Change change)
{
    QRect r = rect(control);
    change(r);
    setRect(control, r);
}
} // namespace

void setLeft(QWidget *control, int twips)
{
    adjust(control, [twips](QRect &r) { r.moveLeft(twips); });
}

void setTop(QWidget *control, int twips)
{
    adjust(control, [twips](QRect &r) { r.moveTop(twips); });
}

void setWidth(QWidget *control, int twips)
{
    adjust(control, [twips](QRect &r) { r.setWidth(twips); });
}

void setHeight(QWidget *control, int twips)
{
    adjust(control, [twips](QRect &r) { r.setHeight(twips); });
}

} // namespace TwipsGeometry
