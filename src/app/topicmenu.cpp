// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/topicmenu.h"

#include "app/approws.h"
#include "common/colourtable.h"
#include "common/language.h"
#include "common/picturenames.h"
#include "controls/commandbutton.h"
#include "controls/label.h"
#include "controls/pictureview.h"
#include "controls/twipsgeometry.h"
#include "screens/navigation.h"
#include "screens/screencontext.h"
#include "screens/styling.h"

#include <array>

namespace {

const QString LeftColumn = QStringLiteral("Label2");
const QString RightColumn = QStringLiteral("Label5");

// One column of topic entries: element 0, the topic that can be chosen, and
// below it topics still to come, shown greyed so that they cannot be chosen.
struct Column
{
    QString name;
    // Captions of elements 1 onwards; an element without one stays a hidden
    // copy of element 0.
    QList<const char *> comingSoon;
    // The row of the column's last element, counted in entry spacings from
    // element 0: the right-hand one sits one empty row below the others.
    int lastRow;
};

const std::array<Column, 2> Columns{
    Column{LeftColumn,
           {QT_TRANSLATE_NOOP("TopicMenu", "Regular Polygons"),
            QT_TRANSLATE_NOOP("TopicMenu", "Angles of Regular Polygons"),
            QT_TRANSLATE_NOOP("TopicMenu", "Circumcircles and Incircles"),
            QT_TRANSLATE_NOOP("TopicMenu", "Area of Regular Polygons")},
           TopicMenu::EntryCount - 1},
    Column{RightColumn,
           {QT_TRANSLATE_NOOP("TopicMenu", "Archimedes' Estimate of Pi"),
            QT_TRANSLATE_NOOP("TopicMenu", "The Regular Tessellations"),
            QT_TRANSLATE_NOOP("TopicMenu", "Semi-regular Tessellations"),
            QT_TRANSLATE_NOOP("TopicMenu", "Dual Tessellations"),
            QT_TRANSLATE_NOOP("TopicMenu", "Animation Sequence")},
           TopicMenu::EntryCount},
};

} // namespace

TopicMenu::TopicMenu(ScreenContext &context)
    : Screen(topicMenuDefinition(), context)
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
        const QImage face = loadPicture(PictureNames::forLanguage(PictureNames::ExitButton, Language::current()));
        exit->setPicture(face.isNull() ? loadPicture(PictureNames::ExitButton) : face);
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
    for (const Column &column : Columns) {
        Label *first = entry(column.name, 0);
        if (!first)
            continue;
        const QRect from = TwipsGeometry::rect(first);
        for (int i = 1; i < EntryCount; ++i) {
            auto *made = qobject_cast<Label *>(loadControl(column.name, i));
            if (!made)
                continue;
            const int row = i == EntryCount - 1 ? column.lastRow : i;
            TwipsGeometry::setLeft(made, from.left());
            TwipsGeometry::setTop(made, from.top() + row * EntrySpacing);
            if (i > column.comingSoon.size())
                continue;
            made->setText(tr(column.comingSoon.at(i - 1)));
            made->setEnabled(false);
            made->show();
        }
        first->show();
    }
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
    context().openUrl(QUrl(Publisher::WebUrl));
}

void TopicMenu::Command1_Click()
{
    // Referring to the title screen re-creates it; its load runs before the
    // caption changes.
    if (Screen *title = context().screens().screen(ScreenNames::Title))
        title->control<CommandButton>(QStringLiteral("Command1"))
            ->setText(
                //: The title screen's OK button when the title is reached from the menu: it goes back to the menu.
                tr("Cancel"));
    Navigation::moveOn(*this, ScreenNames::Title);
}
