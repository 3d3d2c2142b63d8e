// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "jotter/jotterwork.h"

#include "common/colourtable.h"
#include "jotter/jotterinput.h"
#include "jotter/padpicture.h"
#include "screens/drawingscreen.h"

#include <QAction>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("JotterWork", source);
}

// The pupil's Pictures folder, or home where there is none.
QString startFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

bool printPicture(QPrinter &printer, const QImage &picture)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(PadPicture::fitted(picture.size(), QRectF(painter.viewport())), picture);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace

JotterWork::JotterWork(DrawingScreen &pad, PenState &pen, Flips flips)
    : m_pad(pad)
    , m_flips(std::move(flips))
    , m_dialogs(std::make_unique<DesktopDialogs>())
    , m_menu(new QMenu(&pad))
{
    //: Spoken name of the Jotter's menu on its drawing area.
    m_menu->setAccessibleName(text(QT_TRANSLATE_NOOP("JotterWork", "Jotter menu")));
    //: Menu entry: take back the last stroke (or Clear, or Flip).
    addAction(QT_TRANSLATE_NOOP("JotterWork", "Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &JotterWork::undo);
    //: Menu entry: do again what Undo took back.
    addAction(QT_TRANSLATE_NOOP("JotterWork", "Redo"),
              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
              &JotterWork::redo);
    m_menu->addSeparator();
    //: Menu entry: the drawing to the clipboard, as a picture.
    addAction(QT_TRANSLATE_NOOP("JotterWork", "Copy"), {QKeySequence(Qt::CTRL | Qt::Key_C)}, &JotterWork::copy);
    //: Menu entry: the drawing into a picture file; a dialog follows.
    addAction(QT_TRANSLATE_NOOP("JotterWork", "Save…"), {QKeySequence(Qt::CTRL | Qt::Key_S)}, &JotterWork::save);
    //: Menu entry: the drawing to a printer; a dialog follows.
    addAction(QT_TRANSLATE_NOOP("JotterWork", "Print…"), {QKeySequence(Qt::CTRL | Qt::Key_P)}, &JotterWork::print);
    updateActions();
    m_input = new JotterInput(pad, pen, *this);
}

JotterWork::~JotterWork() = default;

QAction *JotterWork::addAction(const char *source, const QList<QKeySequence> &keys, void (JotterWork::*slot)())
{
    auto *action = new QAction(text(source), this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, slot);
    // On the pad, so the shortcuts work with the menu closed.
    m_pad.addAction(action);
    m_menu->addAction(action);
    m_actions.append(action);
    return action;
}

QAction *JotterWork::action(Action which) const
{
    return m_actions.value(int(which));
}

void JotterWork::updateActions()
{
    action(Action::Undo)->setEnabled(m_history.nextUndo().has_value());
    action(Action::Redo)->setEnabled(m_history.nextRedo().has_value());
}

void JotterWork::draw(const QLineF &twips, const PenTip &tip)
{
    m_pad.changeDrawing([&](RetainedSurface &surface) {
        return m_history.draw(surface, {twips, tip.colour, tip.width});
    });
    updateActions();
}

void JotterWork::endStroke()
{
    m_history.endStroke();
    updateActions();
}

void JotterWork::wiping(PadHistory::Step step)
{
    if (m_replaying)
        return;
    m_history.wipe(m_pad.drawing(), step);
    updateActions();
}

void JotterWork::undo()
{
    walk(true);
}

void JotterWork::redo()
{
    walk(false);
}

void JotterWork::walk(bool back)
{
    // A flip turns the pad first (undoing a flip to tall turns it wide),
    // without a step of its own: the history then gives back the drawing
    // of that layout, or wipes it again.
    const std::optional<PadHistory::Step> step = back ? m_history.nextUndo() : m_history.nextRedo();
    if (step == PadHistory::Step::FlipToTall || step == PadHistory::Step::FlipToWide) {
        m_replaying = true;
        ((step == PadHistory::Step::FlipToTall) != back ? m_flips.toTall : m_flips.toWide)();
        m_replaying = false;
    }
    m_pad.changeDrawing(
        [&](RetainedSurface &surface) { return back ? m_history.undo(surface) : m_history.redo(surface); });
    updateActions();
}

QRegion JotterWork::drawingArea() const
{
    QRegion area(m_pad.rect());
    for (const QWidget *control : m_pad.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control->isVisibleTo(&m_pad) && !control->isWindow())
            area -= control->geometry();
    }
    return area;
}

QImage JotterWork::picture() const
{
    return PadPicture::image(m_pad.drawing(), Colours::Canvas, drawingArea());
}

void JotterWork::copy()
{
    endStroke();
    QGuiApplication::clipboard()->setImage(picture());
}

void JotterWork::save()
{
    endStroke();
    const QImage drawing = picture();
    const QDir folder(startFolder());
    QString path =
        folder.filePath(PadPicture::fileName(drawingName(), QDateTime::currentDateTime(), [&](const QString &name) {
            return QFileInfo::exists(folder.filePath(name));
        }));
    // Asked again, with the name given, until the pupil picks a free name,
    // agrees to replace a file, or cancels.
    for (;;) {
        path = m_dialogs->savePath(&m_pad, path);
        if (path.isEmpty())
            return;
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".png");
        if (!QFileInfo::exists(path) || m_dialogs->replaceFile(&m_pad, path))
            break;
    }
    const QString folderName = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    switch (PadPicture::writePng(drawing, path)) {
    case PadPicture::WriteResult::Written:
        return;
    case PadPicture::WriteResult::FolderNotWritable:
        m_dialogs->report(&m_pad, failureMessage(Failure::FolderNotWritable, folderName));
        return;
    case PadPicture::WriteResult::WriteFailed:
        m_dialogs->report(&m_pad, failureMessage(Failure::WriteFailed, folderName));
        return;
    }
}

QString JotterWork::drawingName()
{
    //: The start of a saved drawing's file name, followed by the date and time; also the print job's name.
    return text(QT_TRANSLATE_NOOP("JotterWork", "Jotter"));
}

QString JotterWork::failureMessage(Failure failure, const QString &folder)
{
    switch (failure) {
    case Failure::FolderNotWritable:
        //: %1 is the folder the pupil chose for the drawing.
        return text(QT_TRANSLATE_NOOP("JotterWork",
                                      "The drawing could not be saved: the folder “%1” does not take new files. Your "
                                      "drawing is still on the Jotter; save it in another folder."))
            .arg(folder);
    case Failure::WriteFailed:
        //: %1 is the folder the pupil chose for the drawing.
        return text(QT_TRANSLATE_NOOP("JotterWork",
                                      "The drawing could not be written in the folder “%1”; the disk may be full. "
                                      "Your drawing is still on the Jotter."))
            .arg(folder);
    case Failure::PrintFailed:
        break;
    }
    return text(QT_TRANSLATE_NOOP("JotterWork",
                                  "The drawing could not be printed: the printer did not take it. Your drawing is "
                                  "still on the Jotter."));
}

void JotterWork::print()
{
    endStroke();
    const QImage drawing = picture();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(drawingName());
    printer.setPageOrientation(drawing.width() >= drawing.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!m_dialogs->choosePrinter(&m_pad, printer))
        return;
    if (!printPicture(printer, drawing))
        m_dialogs->report(&m_pad, failureMessage(Failure::PrintFailed));
}

void JotterWork::showMenu(QPoint at)
{
    if (m_menu->isVisible())
        return;
    endStroke();
    updateActions();
    m_menu->popup(m_pad.mapToGlobal(at));
}
