// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "screens/controlfactory.h"

#include "common/colourtable.h"
#include "controls/commandbutton.h"
#include "controls/framebox.h"
#include "controls/label.h"
#include "controls/linecontrol.h"
#include "controls/pictureview.h"
#include "controls/playerbar.h"
#include "controls/textbox.h"
#include "controls/twipsgeometry.h"
#include "screens/accessibility.h"
#include "screens/fonts.h"

#include <QTimer>

namespace ControlFactory {

namespace {

QWidget *makeWidget(const ControlDefinition &d, QWidget &parent, const WindowFaces &faces)
{
    switch (d.kind) {
    case ControlKind::Label: {
        auto *label = new Label(&parent);
        label->setText(shownText(d.text, d.textDisambiguation));
        label->setForeColour(d.foreColour.value_or(Colours::Black));
        label->setBackColour(d.backColour.value_or(faces.system));
        label->setTransparent(d.transparent);
        label->setAlignment(d.alignment);
        label->setBordered(d.bordered);
        label->setRole(d.role);
        return label;
    }
    case ControlKind::CommandButton: {
        auto *button = new CommandButton(&parent);
        button->setText(shownText(d.text, d.textDisambiguation));
        button->setGraphical(d.graphical);
        if (d.backColour)
            button->setFaceColour(*d.backColour);
        return button;
    }
    case ControlKind::TextBox: {
        auto *box = new TextBox(&parent);
        box->setText(shownText(d.text, d.textDisambiguation));
        box->setAlignment(d.alignment | Qt::AlignVCenter);
        if (d.maxLength > 0)
            box->setMaxLength(d.maxLength);
        if (d.foreColour)
            box->setForeColour(*d.foreColour);
        return box;
    }
    case ControlKind::ImageBox:
    case ControlKind::PictureBox: {
        auto *view = d.kind == ControlKind::ImageBox ? static_cast<PictureView *>(new ImageBox(&parent))
                                                     : new PictureBox(&parent);
        if (d.backColour)
            view->setBackColour(*d.backColour);
        return view;
    }
    case ControlKind::Frame: {
        auto *frame = new FrameBox(&parent);
        frame->setBackColour(d.backColour.value_or(faces.background));
        return frame;
    }
    case ControlKind::Line: {
        auto *line = new LineControl(&parent);
        line->setColour(d.foreColour.value_or(Colours::Black));
        line->setLineWidth(d.lineWidth);
        line->setEnds(d.lineFrom, d.lineTo);
        return line;
    }
    case ControlKind::PlayerBar:
        return new PlayerBar(&parent);
    case ControlKind::Timer:
        break;
    }
    return nullptr;
}

} // namespace

QString objectName(const QString &name, int index)
{
    return index == NoIndex ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

QObject *make(const ControlDefinition &d, QWidget &parent, QWidget &window, const WindowFaces &faces)
{
    QObject *made = nullptr;
    if (d.kind == ControlKind::Timer) {
        auto *timer = new QTimer(&window);
        timer->setInterval(d.interval);
        if (!d.disabled)
            timer->start();
        made = timer;
    } else {
        QWidget *widget = makeWidget(d, parent, faces);
        if (d.kind != ControlKind::Line)
            TwipsGeometry::setRect(widget, d.rect);
        if (!d.font.face.isEmpty())
            widget->setFont(fontFor(d.font, widget->font()));
        widget->setEnabled(!d.disabled);
        widget->setVisible(!d.hidden);
        Accessibility::describeControl(*widget, d);
        made = widget;
    }
    made->setObjectName(objectName(d.name, d.index));
    return made;
}

void copyShownState(const QWidget &original, QWidget &copy)
{
    copy.setFont(original.font());
    if (auto *label = qobject_cast<const Label *>(&original)) {
        auto &made = static_cast<Label &>(copy);
        made.setText(label->text());
        made.setForeColour(label->foreColour());
        made.setBackColour(label->backColour());
        made.setTransparent(label->isTransparent());
    } else if (auto *button = qobject_cast<const QAbstractButton *>(&original)) {
        static_cast<QAbstractButton &>(copy).setText(button->text());
    } else if (auto *box = qobject_cast<const QLineEdit *>(&original)) {
        static_cast<QLineEdit &>(copy).setText(box->text());
    }
}

} // namespace ControlFactory
