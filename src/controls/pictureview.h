// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QImage>
#include <QWidget>

// Shows a picture: stretched to the box (image box), or unscaled from the
// top-left corner on a back colour (picture box).
class PictureView : public QWidget
{
    Q_OBJECT
public:
    enum class Fit { Stretch, TopLeft };

    explicit PictureView(Fit fit, QWidget *parent = nullptr);

    // A null picture changes nothing and returns false, so a missing or
    // damaged file keeps what the box showed.
    bool setPicture(const QImage &picture);
    QImage picture() const { return m_picture; }
    QColor backColour() const { return m_back; }
    void setBackColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Whether the picture hides every pixel of the box.
    bool covers() const;

    Fit m_fit;
    QImage m_picture;
    QColor m_back;
};

class ImageBox : public PictureView
{
    Q_OBJECT
public:
    explicit ImageBox(QWidget *parent = nullptr)
        : PictureView(Fit::Stretch, parent)
    {
    }
};

class PictureBox : public PictureView
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr)
        : PictureView(Fit::TopLeft, parent)
    {
    }
};
