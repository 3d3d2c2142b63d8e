// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "jotter/paddialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>

namespace {
QString text(const char *source)
{
    return QCoreApplication::translate("PadDialogs", source);
}
} // namespace

QString DesktopDialogs::savePath(QWidget *parent, const QString &suggested)
{
    // The Jotter asks about replacing a file itself, the same way on every
    // desktop (not every portal asks).
    return QFileDialog::getSaveFileName(parent,
                                        text(QT_TRANSLATE_NOOP("PadDialogs", "Save the drawing")),
                                        suggested,
                                        text(QT_TRANSLATE_NOOP("PadDialogs", "PNG pictures (*.png)")),
                                        nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool DesktopDialogs::replaceFile(QWidget *parent, const QString &path)
{
    return QMessageBox::question(
               parent,
               text(QT_TRANSLATE_NOOP("PadDialogs", "Save the drawing")),
               text(QT_TRANSLATE_NOOP("PadDialogs", "There is already a file called “%1”. Do you want to replace it?"))
                   .arg(QFileInfo(path).fileName()),
               QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No) == QMessageBox::Yes;
}

bool DesktopDialogs::choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(text(QT_TRANSLATE_NOOP("PadDialogs", "Print the drawing")));
    return dialog.exec() == QDialog::Accepted;
}

void DesktopDialogs::report(QWidget *parent, const QString &message)
{
    QMessageBox::warning(parent, parent ? parent->windowTitle() : QString(), message);
}
