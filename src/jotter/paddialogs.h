// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QString>

class QPrinter;
class QWidget;

// What the Jotter asks the pupil while keeping work, and how it tells what
// went wrong. The program uses the desktop's own dialogs; tests answer in
// their place, so that no modal dialog waits for a hand.
class PadDialogs
{
public:
    virtual ~PadDialogs() = default;
    // Where to save, offered `suggested` first; empty when cancelled.
    virtual QString savePath(QWidget *parent, const QString &suggested) = 0;
    virtual bool replaceFile(QWidget *parent, const QString &path) = 0;
    // Sets up `printer`; false when cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
    virtual void report(QWidget *parent, const QString &message) = 0;
};

// The platform's file and print dialogs (the portal's, where the desktop
// has one) and message boxes.
class DesktopDialogs : public PadDialogs
{
public:
    enum class Text { SaveTitle, PngFilter, ReplaceQuestion, PrintTitle };
    static QString text(Text which);

    QString savePath(QWidget *parent, const QString &suggested) override;
    bool replaceFile(QWidget *parent, const QString &path) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    void report(QWidget *parent, const QString &message) override;
};
