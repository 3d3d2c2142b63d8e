// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "jotter/paddialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>

QString DesktopDialogs::text(Text which)
{
    switch (which) {
    case Text::SaveTitle:
        //: Title of the dialog that saves the Jotter's drawing, and of the question whether to replace a file.
        return QCoreApplication::translate("PadDialogs", "Save the drawing");
    case Text::PngFilter:
        //: File type offered in the save dialog.
        return QCoreApplication::translate("PadDialogs", "PNG pictures (*.png)");
    case Text::ReplaceQuestion:
        //: %1 is the name of a file that is already there.
        return QCoreApplication::translate("PadDialogs",
                                           "There is already a file called “%1”. Do you want to replace it?");
    case Text::PrintTitle:
        break;
    }
    //: Title of the print dialog for the Jotter's drawing.
    return QCoreApplication::translate("PadDialogs", "Print the drawing");
}

QString DesktopDialogs::savePath(QWidget *parent, const QString &suggested)
{
    // The Jotter asks about replacing a file itself, the same way on every
    // desktop (not every portal asks).
    return QFileDialog::getSaveFileName(parent,
                                        text(Text::SaveTitle),
                                        suggested,
                                        text(Text::PngFilter),
                                        nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool DesktopDialogs::replaceFile(QWidget *parent, const QString &path)
{
    return QMessageBox::question(parent,
                                 text(Text::SaveTitle),
                                 text(Text::ReplaceQuestion).arg(QFileInfo(path).fileName()),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool DesktopDialogs::choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(text(Text::PrintTitle));
    return dialog.exec() == QDialog::Accepted;
}

void DesktopDialogs::report(QWidget *parent, const QString &message)
{
    QMessageBox::warning(parent, parent ? parent->windowTitle() : QString(), message);
}
