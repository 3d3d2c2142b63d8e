// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "desktop/windowplacement.h"
#include "screens/screendefinition.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <stdexcept>

class ScreenContext;
class QTimer;

// A handle a screen takes does not match its rows: no control of that name
// and index, or one of another kind. A slip in the program, never in use.
class MissingControl : public std::logic_error
{
public:
    using std::logic_error::logic_error;
};

// A top-level window built from its definition: caption, client size and
// named controls. Subclasses take checked handles to the controls they use
// and wire them to handlers named after what they do, all in their
// constructor. The controls are made by ControlFactory, the window placed by
// WindowPlacement; the screen keeps the controls by name, their Tab order,
// and paints its background.
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
    // the screen has no such control or it is of another kind. For what may
    // be missing (styling's steps) and for tests; a screen's own controls are
    // taken with take().
    template<class T>
    T *control(const QString &name, int index = NoIndex) const
    {
        return qobject_cast<T *>(controlObject(name, index));
    }

    // The control of this screen's rows named `name` (and `index`), of kind T.
    // Taken once, while the screen is built or loaded: a missing row or one
    // of another kind throws MissingControl naming the screen, the control and
    // the kind, which the registry turns into a stop with that message.
    template<class T>
    T &take(const QString &name, int index = NoIndex) const
    {
        return *static_cast<T *>(takeObject(name, index, T::staticMetaObject));
    }

    // Wires a control of the rows to a handler of this screen: `signal` of
    // the control taken as take() does, its kind the signal's class; the
    // handler is a member function of the screen or a function object.
    template<class Control, class... Args, class Handler>
    void wire(const QString &name, void (Control::*signal)(Args...), Handler handler)
    {
        wire(name, NoIndex, signal, handler);
    }
    template<class Control, class... Args, class Handler>
    void wire(const QString &name, int index, void (Control::*signal)(Args...), Handler handler)
    {
        connect(&take<Control>(name, index), signal, receiverFor(handler), handler);
    }
    QObject *controlObject(const QString &name, int index = NoIndex) const;
    bool hasControl(const QString &name, int index = NoIndex) const { return controlObject(name, index) != nullptr; }

    // Creates element newIndex of a control array as a copy of element 0 as
    // it is now, hidden. Returns null if element 0 is missing or newIndex is
    // taken.
    QWidget *loadControl(const QString &name, int newIndex);

    // Where the window stands and how large it is, in twips, frame included.
    WindowPlacement &placement() { return m_placement; }
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

protected:
    // The window now shows at another device pixel ratio (moved to another
    // monitor, or the desktop's scale changed): what was made for the old one
    // is made again. Here, the pictures read through loadPicture are read
    // again, so a fine display gets the fine twins and a plain one the plain.
    virtual void resolutionChanged();

    // The pointer pressed or moved over the window's own area, in twips.
    virtual void pointerPressed(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint twips);
    virtual void pointerMoved(Qt::MouseButtons buttons, QPoint twips);

    bool event(QEvent *event) override;
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

    QObject *takeObject(const QString &name, int index, const QMetaObject &kind) const;
    // The object a handler runs on: this screen as the class the member
    // function belongs to, or the screen itself for a function object.
    template<class Owner, class Result, class... Args>
    Owner *receiverFor(Result (Owner::*)(Args...))
    {
        return static_cast<Owner *>(this);
    }
    template<class Function>
    Screen *receiverFor(const Function &)
    {
        return this;
    }
    QObject *createControl(const ControlDefinition &definition);
    void applyTabOrder();
    // Calls resolutionChanged() when the ratio is not the one last made for.
    void followResolution();

    const ScreenDefinition &m_definition;
    ScreenContext &m_context;
    QHash<ControlKey, QPointer<QObject>> m_controls;
    QHash<ControlKey, ControlDefinition> m_controlDefinitions;
    QList<ControlKey> m_creationOrder;
    WindowPlacement m_placement;
    QColor m_background;
    QImage m_backgroundPicture;
    qreal m_ratio = 1; // the device pixel ratio the pictures were read for
    // The names of the pictures loadPicture gave, by their images' keys.
    mutable QHash<qint64, QString> m_pictureNames;
};
