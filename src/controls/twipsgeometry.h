// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QRect>

class QWidget;

// A control's rectangle as the program set it, in twips, kept exactly (a
// width of 1785 reads back as 1785 whatever the pixel rounding). Setting it
// also places the widget.
namespace TwipsGeometry {
QRect rect(const QWidget *control);
void setRect(QWidget *control, const QRect &twips);
void setLeft(QWidget *control, int twips);
void setTop(QWidget *control, int twips);
void setWidth(QWidget *control, int twips);
void setHeight(QWidget *control, int twips);
} // namespace TwipsGeometry
