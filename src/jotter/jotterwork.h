// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include "jotter/paddialogs.h"
#include "jotter/padhistory.h"
#include "jotter/pentip.h"

#include <QObject>
#include <functional>
#include <memory>

class DrawingScreen;
class JotterInput;
class PenState;
class QAction;
class QMenu;

// What the Jotter keeps of the pupil's work: undo and redo stroke by stroke,
// and the drawing saved, copied or printed. Its actions wait on the pad's
// shortcuts and in a menu on the drawing area; nothing happens until the
// pupil asks. The pad hands it every segment it draws and tells it before
// the drawing is wiped.
class JotterWork : public QObject
{
    Q_OBJECT
public:
    enum class Action { Undo, Redo, Copy, Save, Print };
    enum class Failure { FolderNotWritable, WriteFailed, PrintFailed };
    // The pad's own flips: undoing a flip turns the pad back.
    struct Flips
    {
        std::function<void()> toTall;
        std::function<void()> toWide;
    };

    JotterWork(DrawingScreen &pad, PenState &pen, Flips flips);
    ~JotterWork() override;

    void draw(const QLineF &twips, const PenTip &tip);
    void endStroke();
    // Clear or a flip is about to wipe the drawing.
    void wiping(PadHistory::Step step);

    void undo();
    void redo();
    void copy();
    void save();
    void print();

    // The drawing area's menu, opened at a point of the pad.
    void showMenu(QPoint at);
    QMenu *menu() const { return m_menu; }
    QAction *action(Action which) const;

    const PadHistory &history() const { return m_history; }
    // The drawing area: the pad less the controls on it, in pixels.
    QRegion drawingArea() const;
    // The drawing as the pupil sees it, at the display's full resolution.
    QImage picture() const;
    void setDialogs(std::unique_ptr<PadDialogs> dialogs) { m_dialogs = std::move(dialogs); }

    // What a saved or printed drawing is called, before its date.
    static QString drawingName();
    // What the pupil is told when keeping work fails; `folder` is where a
    // picture was to go.
    static QString failureMessage(Failure failure, const QString &folder = QString());

private:
    QAction *addAction(const char *text, const QList<QKeySequence> &keys, void (JotterWork::*slot)());
    // One step back (undo) or forward (redo).
    void walk(bool back);
    void updateActions();

    DrawingScreen &m_pad;
    Flips m_flips;
    PadHistory m_history;
    std::unique_ptr<PadDialogs> m_dialogs;
    QMenu *m_menu; // the pad's child
    QList<QAction *> m_actions;
    JotterInput *m_input = nullptr;
    bool m_replaying = false;
};
