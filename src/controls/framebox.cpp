// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "controls/framebox.h"

FrameBox::FrameBox(QWidget *parent)
    : QWidget(parent)
{
    // A press on the frame belongs to the frame: it must not reach the
    // window beneath, where it would start a stroke.
    setAttribute(Qt::WA_NoMousePropagation);
}

void FrameBox::setBackColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}
