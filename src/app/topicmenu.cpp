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

// One column of topic entries: element 0, the topic that can be chosen, and
// below it topics still to come, shown greyed so that they cannot be chosen.
struct TopicMenu::Column
{
    QString name;
    // The screen element 0 opens.
    QString opens;
    // Captions of elements 1 onwards; an element without one stays a hidden
    // copy of element 0.
    QList<const char *> comingSoon;
    // The row of the column's last element, counted in entry spacings from
    // element 0: the right-hand one sits one empty row below the others.
    int lastRow;
};

namespace {

const std::array<TopicMenu::Column, 2> Columns{
    TopicMenu::Column{QStringLiteral("Label2"),
                      ScreenNames::Proof,
                      {QT_TRANSLATE_NOOP("TopicMenu", "Regular Polygons"),
                       QT_TRANSLATE_NOOP("TopicMenu", "Angles of Regular Polygons"),
                       QT_TRANSLATE_NOOP("TopicMenu", "Circumcircles and Incircles"),
                       QT_TRANSLATE_NOOP("TopicMenu", "Area of Regular Polygons")},
                      TopicMenu::EntryCount - 1},
    TopicMenu::Column{QStringLiteral("Label5"),
                      ScreenNames::Explorer,
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
    , m_title(take<Label>(QStringLiteral("Label1")))
    , m_logo(take<ImageBox>(QStringLiteral("Image2")))
    , m_exit(take<CommandButton>(QStringLiteral("Command1")))
{
    wire(QStringLiteral("Label1"), &Label::mouseMoved, &TopicMenu::lightTitle);
    wire(QStringLiteral("Label6"), &Label::clicked, &TopicMenu::openWebAddress);
    wire(QStringLiteral("Command1"), &CommandButton::clicked, &TopicMenu::backToTitle);
    for (const Column &column : Columns)
        wireEntry(column, 0);
}

void TopicMenu::wireEntry(const Column &column, int index)
{
    Label &entry = take<Label>(column.name, index);
    wire(column.name, index, &Label::mouseMoved, [&entry] { highlight(&entry, true); });
    wire(column.name, index, &Label::clicked, [this, &column, index] { openTopic(column, index); });
}

void TopicMenu::Form_Load()
{
    setupscreen(*this);
    setBackgroundColour(Colours::Canvas);
    // Any picture that cannot be read is simply left out.
    setBackgroundPicture(loadPicture(PictureNames::MenuBackground));
    m_logo.setPicture(loadPicture(PictureNames::Logo));
    const QImage face = loadPicture(PictureNames::forLanguage(PictureNames::ExitButton, Language::current()));
    m_exit.setPicture(face.isNull() ? loadPicture(PictureNames::ExitButton) : face);
    TwipsGeometry::setWidth(&m_exit, Styling::ButtonWidth);
    TwipsGeometry::setHeight(&m_exit, Styling::ButtonHeight);
    TwipsGeometry::setLeft(&m_exit, Styling::ExitButtonLeft);
    TwipsGeometry::setTop(&m_exit, Styling::BottomRowTop);
    addEntries();
}

// Element 0 of each column is defined; the rest are copies made here.
void TopicMenu::addEntries()
{
    for (const Column &column : Columns) {
        Label &first = take<Label>(column.name, 0);
        const QRect from = TwipsGeometry::rect(&first);
        for (int i = 1; i < EntryCount; ++i) {
            auto *made = qobject_cast<Label *>(loadControl(column.name, i));
            if (!made)
                continue;
            wireEntry(column, i);
            const int row = i == EntryCount - 1 ? column.lastRow : i;
            TwipsGeometry::setLeft(made, from.left());
            TwipsGeometry::setTop(made, from.top() + row * EntrySpacing);
            if (i > column.comingSoon.size())
                continue;
            made->setText(tr(column.comingSoon.at(i - 1)));
            made->setEnabled(false);
            made->show();
        }
        first.show();
    }
}

void TopicMenu::highlight(Label *label, bool on)
{
    // Opaque shows the label's own back colour: black behind the title,
    // blue behind the topics.
    if (label)
        label->setTransparent(!on);
}

void TopicMenu::pointerMoved(Qt::MouseButtons, QPoint)
{
    highlight(&m_title, false);
    for (const Column &column : Columns) {
        for (int i = 0; i < EntryCount; ++i)
            highlight(control<Label>(column.name, i), false);
    }
}

void TopicMenu::lightTitle()
{
    highlight(&m_title, true);
}

void TopicMenu::openTopic(const Column &column, int index)
{
    if (index == 0)
        Navigation::moveOn(*this, column.opens);
}

void TopicMenu::openWebAddress()
{
    // Whether a browser opened is not our concern: the menu stays as it is.
    context().openUrl(QUrl(Publisher::WebUrl));
}

void TopicMenu::backToTitle()
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
