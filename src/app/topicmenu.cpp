// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/topicmenu.h"

#include "common/colourtable.h"
#include "common/picturenames.h"
#include "screens/commandbutton.h"
#include "screens/label.h"
#include "screens/navigation.h"
#include "screens/pictureview.h"
#include "screens/program.h"
#include "screens/styling.h"
#include "screens/twipsgeometry.h"

#include <array>

namespace {

const QString LeftColumn = QStringLiteral("Label2");
const QString RightColumn = QStringLiteral("Label5");

// Topics still to come: shown greyed, they cannot be chosen.
const std::array<QString, 4> LeftCaptions{
    QStringLiteral("Regular Polygons"),
    QStringLiteral("Angles of Regular Polygons"),
    QStringLiteral("Circumcircles and Incircles"),
    QStringLiteral("Area of Regular Polygons"),
};
const std::array<QString, 5> RightCaptions{
    QStringLiteral("Archimedes' Estimate of Pi"),
    QStringLiteral("The Regular Tessellations"),
    QStringLiteral("Semi-regular Tessellations"),
    QStringLiteral("Dual Tessellations"),
    QStringLiteral("Animation Sequence"),
};

// The last right-hand entry sits one empty row below the column.
constexpr int LastEntryGap = 2 * TopicMenu::EntrySpacing;

} // namespace

TopicMenu::TopicMenu(Program &program)
    : Screen(screenDefinition(ScreenNames::Menu), program)
{
    connect(control<Label>(QStringLiteral("Label1")), &Label::mouseMoved, this, &TopicMenu::Label1_MouseMove);
    connect(control<Label>(QStringLiteral("Label6")), &Label::clicked, this, &TopicMenu::Label6_Click);
    connect(control<CommandButton>(QStringLiteral("Command1")),
            &CommandButton::clicked,
            this,
            &TopicMenu::Command1_Click);
}

// The entries exist only once the load has copied them, so they are wired then.
void TopicMenu::connectEntries()
{
    for (int i = 0; i < EntryCount; ++i) {
        if (Label *left = entry(LeftColumn, i)) {
            connect(left, &Label::mouseMoved, this, [this, i] { Label2_MouseMove(i); });
            connect(left, &Label::clicked, this, [this, i] { Label2_Click(i); });
        }
        if (Label *right = entry(RightColumn, i)) {
            connect(right, &Label::mouseMoved, this, [this, i] { Label5_MouseMove(i); });
            connect(right, &Label::clicked, this, [this, i] { Label5_Click(i); });
        }
    }
}

Label *TopicMenu::entry(const QString &column, int index) const
{
    return control<Label>(column, index);
}

void TopicMenu::Form_Load()
{
    setupscreen(*this);
    setBackgroundColour(Colours::Canvas);
    // Any picture that cannot be read is simply left out.
    setBackgroundPicture(loadPicture(PictureNames::MenuBackground));
    if (auto *logo = control<ImageBox>(QStringLiteral("Image2")))
        logo->setPicture(loadPicture(PictureNames::Logo));
    if (auto *exit = control<CommandButton>(QStringLiteral("Command1"))) {
        exit->setPicture(loadPicture(PictureNames::ExitButton));
        TwipsGeometry::setWidth(exit, Styling::ButtonWidth);
        TwipsGeometry::setHeight(exit, Styling::ButtonHeight);
        TwipsGeometry::setLeft(exit, Styling::ExitButtonLeft);
        TwipsGeometry::setTop(exit, Styling::BottomRowTop);
    }
    addEntries();
    connectEntries();
}

void TopicMenu::addEntries()
{
    for (int i = 1; i < EntryCount; ++i) {
        for (const QString &column : {LeftColumn, RightColumn}) {
            const Label *first = entry(column, 0);
            QWidget *made = loadControl(column, i);
            if (!first || !made)
                continue;
            const QRect from = TwipsGeometry::rect(first);
            TwipsGeometry::setLeft(made, from.left());
            TwipsGeometry::setTop(made, from.top() + i * EntrySpacing);
        }
    }

    for (std::size_t i = 0; i < LeftCaptions.size(); ++i) {
        if (Label *label = entry(LeftColumn, int(i) + 1))
            label->setText(LeftCaptions[i]);
    }
    for (std::size_t i = 0; i < RightCaptions.size(); ++i) {
        if (Label *label = entry(RightColumn, int(i) + 1))
            label->setText(RightCaptions[i]);
    }

    // Element 5 of the left column stays hidden.
    for (int i = 0; i <= 4; ++i) {
        for (const QString &column : {LeftColumn, RightColumn}) {
            if (Label *label = entry(column, i))
                label->show();
        }
    }
    Label *last = entry(RightColumn, 5);
    if (const Label *above = entry(RightColumn, 4); last && above) {
        TwipsGeometry::setTop(last, TwipsGeometry::rect(above).top() + LastEntryGap);
        last->show();
    }

    for (int i = 1; i <= 4; ++i) {
        for (const QString &column : {LeftColumn, RightColumn}) {
            if (Label *label = entry(column, i))
                label->setEnabled(false);
        }
    }
    if (last)
        last->setEnabled(false);
}

void TopicMenu::highlight(Label *label, bool on)
{
    // Opaque shows the label's own back colour: black behind the title,
    // blue behind the topics.
    if (label)
        label->setTransparent(!on);
}

void TopicMenu::Form_MouseMove(Qt::MouseButtons, QPoint)
{
    highlight(control<Label>(QStringLiteral("Label1")), false);
    for (int i = 0; i < EntryCount; ++i) {
        highlight(entry(LeftColumn, i), false);
        highlight(entry(RightColumn, i), false);
    }
}

void TopicMenu::Label1_MouseMove()
{
    highlight(control<Label>(QStringLiteral("Label1")), true);
}

void TopicMenu::Label2_MouseMove(int index)
{
    highlight(entry(LeftColumn, index), true);
}

void TopicMenu::Label5_MouseMove(int index)
{
    highlight(entry(RightColumn, index), true);
}

void TopicMenu::Label2_Click(int index)
{
    if (index == 0)
        Navigation::moveOn(*this, ScreenNames::Proof);
}

void TopicMenu::Label5_Click(int index)
{
    if (index == 0)
        Navigation::moveOn(*this, ScreenNames::Explorer);
}

void TopicMenu::Label6_Click()
{
    // Whether a browser opened is not our concern: the menu stays as it is.
    program().openUrl(QUrl(Publisher::WebUrl));
}

void TopicMenu::Command1_Click()
{
    // Referring to the title screen re-creates it; its load runs before the
    // caption changes.
    if (Screen *title = program().screens().screen(ScreenNames::Title))
        title->control<CommandButton>(QStringLiteral("Command1"))->setText(QStringLiteral("Cancel"));
    Navigation::moveOn(*this, ScreenNames::Title);
}
