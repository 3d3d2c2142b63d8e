// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "controls/labelrole.h"

#include <QColor>
#include <QKeySequence>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

// What a screen looks like the moment it is created, before its load handler
// runs: the window and every control with its name, index and values. All
// rectangles are twips, relative to the parent's client area.

enum class ControlKind { Label, CommandButton, TextBox, ImageBox, PictureBox, Frame, Line, Timer, PlayerBar };

struct FontSpec
{
    QString face;
    double points = 0; // 0: the system's font
    bool bold = false;
};

// Control arrays share a name and differ by index; a control outside any
// array has index NoIndex.
constexpr int NoIndex = -1;

struct ControlDefinition
{
    ControlKind kind = ControlKind::Label;
    QString name;
    int index = NoIndex;
    QString parent; // the frame that holds it; empty for the window itself

    QRect rect;              // everything but lines and timers
    QPoint lineFrom, lineTo; // lines
    int lineWidth = 1;       // lines, in pixels
    int interval = 0;        // timers, in milliseconds

    QString text;                             // English; shown through shownText()
    const char *textDisambiguation = nullptr; // tells apart two meanings of one English text
    std::optional<QColor> foreColour;
    std::optional<QColor> backColour;
    bool transparent = false; // labels: draw only the text
    bool graphical = false;   // command buttons: picture face on the back colour
    FontSpec font;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool bordered = false;
    bool hidden = false;
    bool disabled = false;
    int maxLength = 0; // text boxes; 0 is no limit
    int tabIndex = -1; // lower first; -1 after all numbered ones, in definition order
    LabelRole role = LabelRole::Text;
    // What assistive technology calls a control whose words do not say what it
    // is (pictures, figures, number boxes); empty: its own words.
    QString spokenName;
    QKeySequence shortcutKey; // command buttons

    // Fluent setters, so a definition reads like a row of a table.
    ControlDefinition &at(int left, int top, int width, int height)
    {
        rect = QRect(left, top, width, height);
        return *this;
    }
    ControlDefinition &from(int x1, int y1)
    {
        lineFrom = QPoint(x1, y1);
        return *this;
    }
    ControlDefinition &to(int x2, int y2)
    {
        lineTo = QPoint(x2, y2);
        return *this;
    }
    ControlDefinition &width(int pixels)
    {
        lineWidth = pixels;
        return *this;
    }
    ControlDefinition &every(int milliseconds)
    {
        interval = milliseconds;
        return *this;
    }
    ControlDefinition &in(const QString &frame)
    {
        parent = frame;
        return *this;
    }
    ControlDefinition &caption(const QString &value)
    {
        text = value;
        return *this;
    }
    // A caption marked with QT_TRANSLATE_NOOP3: the English text and what
    // tells it apart from the same text elsewhere.
    struct MarkedText
    {
        const char *source;
        const char *disambiguation;
    };
    ControlDefinition &caption(const MarkedText &marked)
    {
        text = QString::fromUtf8(marked.source);
        textDisambiguation = marked.disambiguation;
        return *this;
    }
    ControlDefinition &fore(const QColor &colour)
    {
        foreColour = colour;
        return *this;
    }
    ControlDefinition &back(const QColor &colour)
    {
        backColour = colour;
        return *this;
    }
    ControlDefinition &seeThrough()
    {
        transparent = true;
        return *this;
    }
    ControlDefinition &pictureFace()
    {
        graphical = true;
        return *this;
    }
    ControlDefinition &withFont(const QString &face, double points, bool isBold = false)
    {
        font = {face, points, isBold};
        return *this;
    }
    ControlDefinition &centred()
    {
        alignment = Qt::AlignHCenter;
        return *this;
    }
    ControlDefinition &rightAligned()
    {
        alignment = Qt::AlignRight;
        return *this;
    }
    ControlDefinition &withBorder()
    {
        bordered = true;
        return *this;
    }
    ControlDefinition &startHidden()
    {
        hidden = true;
        return *this;
    }
    ControlDefinition &startDisabled()
    {
        disabled = true;
        return *this;
    }
    ControlDefinition &atMost(int characters)
    {
        maxLength = characters;
        return *this;
    }
    ControlDefinition &tabAt(int position)
    {
        tabIndex = position;
        return *this;
    }
    ControlDefinition &actsAsButton()
    {
        role = LabelRole::Button;
        return *this;
    }
    ControlDefinition &actsAsLink()
    {
        role = LabelRole::Link;
        return *this;
    }
    ControlDefinition &accessibleName(const QString &value)
    {
        spokenName = value;
        return *this;
    }
    ControlDefinition &shortcut(const QKeySequence &keys)
    {
        shortcutKey = keys;
        return *this;
    }
};

enum class WindowBorder { FixedSingle, FixedDialog };

struct ScreenDefinition
{
    QString name;
    QString caption;
    QSize clientSize;               // twips
    std::optional<QPoint> position; // twips on the display; unset: centred
    QColor background;
    WindowBorder border = WindowBorder::FixedSingle;
    bool hasIcon = false; // a window icon of its own
    QString spokenName;   // what assistive technology calls the window; empty: its caption
    QString description;  // what the window is for, and what any drawing on it shows
    QList<ControlDefinition> controls;

    const ControlDefinition *find(const QString &controlName, int index = NoIndex) const;
};

// The seven screens by name.
namespace ScreenNames {
inline const QString Title = QStringLiteral("Titlefrm");
inline const QString Menu = QStringLiteral("intro0");
inline const QString Proof = QStringLiteral("triproof");
inline const QString TriangleProblems = QStringLiteral("angtri");
inline const QString Explorer = QStringLiteral("star2");
inline const QString StellatedProblems = QStringLiteral("star");
inline const QString Jotter = QStringLiteral("notepad");
} // namespace ScreenNames

// The definition of a screen by name; throws std::out_of_range for a name
// that is none of the seven. Each topic keeps its rows beside its screens
// (src/<topic>/*rows.cpp); the table of all seven lives in src/app/, the one
// folder that knows every topic.
const ScreenDefinition &screenDefinition(const QString &name);
QStringList screenNames();

// The English texts of the definitions (captions, spoken names, descriptions)
// in the running language; a text without translation stays as it is.
QString shownText(const QString &english, const char *disambiguation = nullptr);
