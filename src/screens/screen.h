// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "screens/screendefinition.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <optional>

class ScreenContext;
class QTimer;

// A top-level window built from its definition: caption, client size and
// named controls. Subclasses take typed pointers to the controls they use,
// wire them in one place and put their behaviour in handlers named after the
// control and event (cmdgo_Click). The window's own geometry is kept in
// twips; outer sizes include the window frame.
class Screen : public QWidget
{
    Q_OBJECT
public:
    Screen(const ScreenDefinition &definition, ScreenContext &context);
    ~Screen() override;

    void setVisible(bool visible) override;

    QString screenName() const { return m_definition.name; }
    const ScreenDefinition &definition() const { return m_definition; }
    ScreenContext &context() const { return m_context; }

    // Runs once, right after creation and before anything else happens to
    // the screen.
    virtual void Form_Load() { }

    // A control by name and array index (NoIndex outside arrays); null when
    // the screen has no such control or it is of another kind.
    template<class T>
    T *control(const QString &name, int index = NoIndex) const
    {
        return qobject_cast<T *>(controlObject(name, index));
    }
    QObject *controlObject(const QString &name, int index = NoIndex) const;
    bool hasControl(const QString &name, int index = NoIndex) const { return controlObject(name, index) != nullptr; }
    QList<int> indexesOf(const QString &name) const;

    // Creates element newIndex of a control array as a copy of element 0 as
    // it is now, hidden. Returns null if element 0 is missing or newIndex is
    // taken.
    QWidget *loadControl(const QString &name, int newIndex);

    // Window geometry in twips.
    // Place and outer size are the whole window's, frame included; they are
    // kept right when the window manager tells the frame late.
    double leftTwips() const { return m_leftTwips; }
    double topTwips() const { return m_topTwips; }
    void setLeftTwips(double twips);
    void setTopTwips(double twips);
    // Sets the top, then the left, so that the outer window is centred on the
    // display; it stays centred when the frame becomes known.
    void centreOnDisplay();
    // Asking for the frame may create the native window.
    int outerWidthTwips();
    int outerHeightTwips();
    void setOuterSizeTwips(int width, int height);
    QSize clientSizeTwips() const;

    QColor backgroundColour() const;
    void setBackgroundColour(const QColor &colour);
    // Drawn unscaled from the top-left corner; the background colour shows
    // wherever it does not reach. A null picture changes nothing.
    bool setBackgroundPicture(const QImage &picture);
    QImage backgroundPicture() const { return m_backgroundPicture; }

    // A picture of the program's by name, read afresh; null when it cannot be
    // read. On a high-resolution display, its fine twin where there is one.
    QImage loadPicture(const QString &name) const;

    // The colour drawing uses when it names none: the system's text colour.
    QColor foregroundColour() const;

    // Stops every timer of the screen; unloading calls it.
    void stopTimers();

    // The size of the primary display, in twips.
    static QSize displaySizeTwips();

protected:
    // The pointer pressed or moved over the window's own area, in twips.
    virtual void Form_MouseDown(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint twips);
    virtual void Form_MouseMove(Qt::MouseButtons buttons, QPoint twips);

    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    struct ControlKey
    {
        QString name;
        int index;
        friend bool operator==(const ControlKey &a, const ControlKey &b)
        {
            return a.name == b.name && a.index == b.index;
        }
        friend size_t qHash(const ControlKey &key, size_t seed = 0) { return qHashMulti(seed, key.name, key.index); }
    };

    QObject *createControl(const ControlDefinition &definition);
    void applyTabOrder();
    void applyGeometry();
    void refitFrame();
    QMargins frameMargins();

    const ScreenDefinition &m_definition;
    ScreenContext &m_context;
    QHash<ControlKey, QPointer<QObject>> m_controls;
    QHash<ControlKey, ControlDefinition> m_controlDefinitions;
    QList<ControlKey> m_creationOrder;
    double m_leftTwips = 0;
    double m_topTwips = 0;
    std::optional<QSize> m_outerTwips;
    bool m_centred = false;
    QColor m_background;
    QImage m_backgroundPicture;
};
