// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QWidget>

// A borderless container with a back colour; its controls move and hide with it.
class FrameBox : public QWidget
{
    Q_OBJECT
public:
    explicit FrameBox(QWidget *parent = nullptr);
    void setBackColour(const QColor &colour);
};
