// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "common/colourtable.h"

#include <QWidget>

// A straight line between two points in twips of its parent. It takes no
// mouse input, so whatever lies beneath still gets the clicks.
class LineControl : public QWidget
{
    Q_OBJECT
public:
    explicit LineControl(QWidget *parent = nullptr);

    void setEnds(const QPoint &fromTwips, const QPoint &toTwips);
    void setColour(const QColor &colour);
    void setLineWidth(int pixels);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    QPoint m_from, m_to;
    QColor m_colour = Colours::Black;
    int m_width = 1;
};
