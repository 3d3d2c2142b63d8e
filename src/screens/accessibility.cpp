// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/accessibility.h"

#include "screens/commandbutton.h"
#include "screens/screen.h"

#include <array>

namespace Accessibility {

namespace {

struct ControlName
{
    const char *screen;
    const char *control;
    int index;
    const char *name;
};

// Controls whose content is a picture, a figure or typed numbers.
const std::array<ControlName, 20> ControlNames{{
    {"Titlefrm", "Frame1", NoIndex, "Title"},
    {"Titlefrm", "Picture1", NoIndex, "Title animation"},
    {"intro0", "Image2", NoIndex, "Vertexa logo"},
    {"triproof", "Line1", 0, "Base of the triangle"},
    {"triproof", "Line1", 1, "Left side of the triangle"},
    {"triproof", "Line1", 2, "Right side of the triangle"},
    {"triproof", "Line1", 3, "The base extended"},
    {"triproof", "Line1", 4, "Parallel to the base through the apex"},
    {"angtri", "Image2", NoIndex, "Triangle animation"},
    {"angtri", "Text1", NoIndex, "Your answer"},
    {"angtri", "MMControl1", NoIndex, "Animation controls"},
    {"star2", "Text2", 0, "Number of edges"},
    {"star2", "Text2", 1, "Vertices skipped"},
    {"star", "Image2", NoIndex, "Stellated polygon animation"},
    {"star", "Text1", NoIndex, "Your answer"},
    {"star", "Text2", 0, "Number of edges"},
    {"star", "Text2", 1, "Vertices skipped"},
    {"star", "MMControl1", NoIndex, "Animation controls"},
    {"notepad", "Frame_landscape", NoIndex, "Pen and colours"},
    {"notepad", "Frame_portrait", NoIndex, "Pen and colours"},
}};

struct WindowDescription
{
    const char *screen;
    const char *description;
};

// The explorer and the Jotter draw on the window itself: the window's own
// description says what the drawing is.
const std::array<WindowDescription, 7> WindowDescriptions{{
    {"Titlefrm", "Vertexa 1 Demo, title screen"},
    {"intro0", "Topic menu"},
    {"triproof", "A proof that the angles of a triangle add up to 180 degrees"},
    {"angtri", "Problems on the angles of a triangle"},
    {"star2", "Draws the star polygon with the number of edges and the vertices skipped typed below"},
    {"star", "Problems on stellated polygons"},
    {"notepad", "Drawing pad: draw with the left mouse button held down"},
}};

} // namespace

QString colourName(int index)
{
    static const std::array<const char *, 16> names{
        "Black",
        "Navy",
        "Green",
        "Teal",
        "Maroon",
        "Purple",
        "Olive",
        "Silver",
        "Grey",
        "Blue",
        "Lime",
        "Aqua",
        "Red",
        "Fuchsia",
        "Yellow",
        "White",
    };
    return QString::fromLatin1(names[static_cast<std::size_t>(((index % 16) + 16) % 16)]);
}

const QList<PictureButton> &pictureButtons()
{
    static const QList<PictureButton> buttons{
        {"cmdgo", QStringLiteral("Next question"), QKeySequence(Qt::ALT | Qt::Key_N)},
        {"cmdsoln", QStringLiteral("Show the answer"), QKeySequence(Qt::ALT | Qt::Key_A)},
        {"cmdcheckit", QStringLiteral("Check my answer"), QKeySequence(Qt::ALT | Qt::Key_C)},
        {"cmdjotter", QStringLiteral("Open the Jotter"), QKeySequence(Qt::ALT | Qt::Key_J)},
        {"cmdexit", QStringLiteral("Exit"), QKeySequence(Qt::ALT | Qt::Key_X)},
    };
    return buttons;
}

void describeScreen(Screen &screen)
{
    const QString caption = screen.windowTitle().trimmed();
    screen.setAccessibleName(caption.isEmpty() ? QStringLiteral("Vertexa 1 Demo") : caption);
    for (const WindowDescription &d : WindowDescriptions) {
        if (screen.screenName() == QLatin1String(d.screen))
            screen.setAccessibleDescription(QString::fromLatin1(d.description));
    }
    for (const ControlName &c : ControlNames) {
        if (screen.screenName() != QLatin1String(c.screen))
            continue;
        if (auto *widget = screen.control<QWidget>(QString::fromLatin1(c.control), c.index))
            widget->setAccessibleName(QString::fromLatin1(c.name));
    }
}

void describePictureButtons(Screen &screen)
{
    const auto describe = [](CommandButton *button, const PictureButton &b) {
        button->setAccessibleName(b.accessibleName);
        button->setShortcut(b.shortcut);
        button->setToolTip(
            QStringLiteral("%1 (%2)").arg(b.accessibleName, b.shortcut.toString(QKeySequence::NativeText)));
    };
    for (const PictureButton &b : pictureButtons()) {
        if (auto *button = screen.control<CommandButton>(QString::fromLatin1(b.name)))
            describe(button, b);
    }
    // The menu's exit button is its only picture button.
    if (screen.screenName() == ScreenNames::Menu) {
        if (auto *exit = screen.control<CommandButton>(QStringLiteral("Command1")))
            describe(exit, pictureButtons().constLast());
    }
}

} // namespace Accessibility
