// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/styling.h"

#include "common/colourtable.h"
#include "common/language.h"
#include "common/picturenames.h"
#include "controls/commandbutton.h"
#include "controls/pictureview.h"
#include "controls/twipsgeometry.h"
#include "screens/screen.h"

#include <QGuiApplication>
#include <array>

namespace {

using namespace Styling;

// The busy pointer, always given back, whatever happens in between.
class BusyPointer
{
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

struct ButtonFace
{
    const char *button;
    const QString &picture;
};

const std::array<ButtonFace, 5> ButtonFaces{{
    {"cmdexit", PictureNames::ExitButton},
    {"cmdgo", PictureNames::NextButton},
    {"cmdsoln", PictureNames::AnswerButton},
    {"cmdcheckit", PictureNames::CheckButton},
    {"cmdjotter", PictureNames::JotterButton},
}};

enum class Property { Top, TopAbove, Left, Width, Height, TabStopOff };

// One property per step, in this order. TopAbove puts the button directly
// above `other`, reading both from the controls at that moment.
struct PlacementStep
{
    const char *button;
    Property property;
    int value = 0;
    const char *other = nullptr;
};

const std::array<PlacementStep, 25> Placement{{
    {"cmdgo", Property::Top, BottomRowTop},
    {"cmdgo", Property::Width, ButtonWidth},
    {"cmdgo", Property::Left, ButtonColumnLeft},
    {"cmdgo", Property::Height, ButtonHeight},
    {"cmdgo", Property::TabStopOff},
    {"cmdjotter", Property::Left, ButtonColumnLeft},
    {"cmdjotter", Property::Height, ButtonHeight},
    {"cmdjotter", Property::TopAbove, 0, "cmdgo"},
    {"cmdjotter", Property::Width, ButtonWidth},
    {"cmdjotter", Property::TabStopOff},
    {"cmdsoln", Property::Height, ButtonHeight},
    {"cmdsoln", Property::TopAbove, 0, "cmdjotter"},
    {"cmdsoln", Property::Width, ButtonWidth},
    {"cmdsoln", Property::Left, ButtonColumnLeft},
    {"cmdsoln", Property::TabStopOff},
    {"cmdcheckit", Property::Height, ButtonHeight},
    {"cmdcheckit", Property::Left, ButtonColumnLeft},
    {"cmdcheckit", Property::TopAbove, 0, "cmdsoln"},
    {"cmdcheckit", Property::Width, ButtonWidth},
    {"cmdcheckit", Property::TabStopOff},
    {"cmdexit", Property::Top, BottomRowTop},
    {"cmdexit", Property::Width, ButtonWidth},
    {"cmdexit", Property::Left, ExitButtonLeft},
    {"cmdexit", Property::Height, ButtonHeight},
    {"cmdexit", Property::TabStopOff},
}};

CommandButton *button(const Screen &screen, const char *name)
{
    return screen.control<CommandButton>(QString::fromLatin1(name));
}

// A step whose control (or, for TopAbove, either control) is missing is skipped.
void place(Screen &screen, const PlacementStep &step)
{
    CommandButton *target = button(screen, step.button);
    if (!target)
        return;
    switch (step.property) {
    case Property::Top:
        TwipsGeometry::setTop(target, step.value);
        break;
    case Property::TopAbove:
        if (const CommandButton *below = button(screen, step.other))
            TwipsGeometry::setTop(target, TwipsGeometry::rect(below).top() - TwipsGeometry::rect(target).height());
        break;
    case Property::Left:
        TwipsGeometry::setLeft(target, step.value);
        break;
    case Property::Width:
        TwipsGeometry::setWidth(target, step.value);
        break;
    case Property::Height:
        TwipsGeometry::setHeight(target, step.value);
        break;
    case Property::TabStopOff:
        // Still takes focus from a click, never from the Tab key.
        target->setFocusPolicy(Qt::ClickFocus);
        break;
    }
}

} // namespace

void setupscreen(Screen &screen)
{
    screen.setBackgroundColour(Colours::StyledWindow);

    if (auto *picture = screen.control<PictureView>(QStringLiteral("Picture1")))
        picture->setBackColour(Colours::StyledPicture);

    screen.placement().setOuterSize(WindowWidth, WindowHeight);
    // The client area's unit is always twips here; nothing to switch.
    {
        const BusyPointer busy;
        screen.placement().centreOnDisplay();
    }

    // The face in the running language's words where there is one.
    for (const ButtonFace &face : ButtonFaces) {
        if (CommandButton *target = button(screen, face.button)) {
            const QImage picture = screen.loadPicture(PictureNames::forLanguage(face.picture, Language::current()));
            target->setPicture(picture.isNull() ? screen.loadPicture(face.picture) : picture);
        }
    }

    for (const PlacementStep &step : Placement)
        place(screen, step);
}
