// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// What the Jotter keeps and how it is reached: the saved, copied and printed
// picture is the pad as shown, undo and redo walk strokes, Clear and Flip,
// a tablet pen and fingers draw, the menu opens on a still right click and
// from the keyboard, and a failure leaves the drawing as it was.
#include "common/colourtable.h"
#include "controls/commandbutton.h"
#include "controls/framebox.h"
#include "controls/label.h"
#include "jotter/jotterpad.h"
#include "support/datarow.h"
#include "support/stroke.h"
#include "support/testprogram.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>

namespace {

// Answers the pad's questions as a test script says.
struct ScriptedDialogs : PadDialogs
{
    QStringList paths; // given in turn; none left: cancelled
    QList<bool> replace;
    QString printTo; // a PDF file; empty: cancelled
    QStringList offered, reports;

    QString savePath(QWidget *, const QString &suggested) override
    {
        offered.append(suggested);
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    bool replaceFile(QWidget *, const QString &) override { return !replace.isEmpty() && replace.takeFirst(); }
    bool choosePrinter(QWidget *, QPrinter &printer) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return !printTo.isEmpty();
    }
    void report(QWidget *, const QString &message) override { reports.append(message); }
};

QString colourName(const QColor &colour)
{
    if (colour.alpha() == 0)
        return QStringLiteral("none");
    const QHash<QRgb, QString> names{{qbColor(12).rgb(), "red"},
                                     {qbColor(9).rgb(), "blue"},
                                     {Colours::Yellow.rgb(), "yellow"},
                                     {Colours::Canvas.rgb(), "canvas"}};
    return names.value(colour.rgb(), colour.name());
}

// How many device pixels a stroke along y = `row` covers across, at x = 100.
qreal strokeWidth(const QImage &drawing, int row)
{
    const qreal ratio = drawing.devicePixelRatio();
    qreal covered = 0;
    for (int y = 0; y < drawing.height(); ++y)
        covered += qAbs(y / ratio - row) < 40 ? qAlpha(drawing.pixel(int(100 * ratio), y)) / 255.0 : 0;
    return covered;
}

} // namespace

class TestJotterWork : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestProgram> m_program;
    JotterPad *pad = nullptr;
    ScriptedDialogs *dialogs = nullptr;
    QTemporaryDir m_folder;

    template<class T = CommandButton>
    T *control(const char *name, int index = -1)
    {
        return pad->control<T>(QString::fromLatin1(name), index);
    }
    bool tall() { return control<FrameBox>("Frame_portrait")->isVisible(); }
    void press(const QString &step)
    {
        if (step == u"red" || step == u"blue") { // a swatch, a stroke along y = 40 or 100
            click(control<Label>(tall() ? "Label11" : "Label1", step == u"red" ? 12 : 9));
            const int y = step == u"red" ? 40 : 100;
            stroke(pad, {QPoint(40, y), QPoint(120, y), QPoint(180, y)});
        } else if (step == u"erase") { // across both at x = 100, then back to the pen
            click(control(tall() ? "Command8" : "Command5"));
            stroke(pad, {QPoint(100, 20), QPoint(100, 120)});
            click(control(tall() ? "Command10" : "Command2"));
        } else if (step == u"clear" || step == u"flip") {
            click(control(step == u"clear" ? (tall() ? "Command7" : "Command6") : (tall() ? "Command4" : "Command3")));
        } else {
            const QKeySequence keys = step == u"undo"   ? QKeySequence(Qt::CTRL | Qt::Key_Z)
                                      : step == u"redo" ? QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)
                                                        : QKeySequence(Qt::CTRL | Qt::Key_Y);
            QTest::keySequence(pad, keys);
        }
    }
    // The picture saved through the pad's shortcut, read back.
    QImage saved()
    {
        const QString path = m_folder.filePath(QStringLiteral("pad.png"));
        QFile::remove(path);
        dialogs->paths = {path};
        QTest::keySequence(pad, QKeySequence(Qt::CTRL | Qt::Key_S));
        return QImage(path);
    }

private Q_SLOTS:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        QVERIFY((pad = m_program->open<JotterPad>(ScreenNames::Jotter)));
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        pad->work().setDialogs(std::move(scripted));
    }
    void cleanup()
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        m_program.reset();
    }

    // Saved and copied pictures hold the pad's own pixels, at the display's
    // resolution; what the buttons cover shows as bare canvas, strokes
    // under them included.
    void keptPictureIsThePad_data()
    {
        QTest::addColumn<bool>("tallLayout");
        QTest::newRow("wide") << false;
        QTest::newRow("tall") << true;
    }
    void keptPictureIsThePad()
    {
        QFETCH(bool, tallLayout);
        if (tallLayout)
            press(QStringLiteral("flip"));
        press(QStringLiteral("red"));
        press(QStringLiteral("blue"));
        stroke(pad, {QPoint(20, 150), QPoint(260, 60), QPoint(30, 10)}); // under the tall frame too
        const QImage picture = saved();
        const qreal ratio = pad->devicePixelRatioF();
        const QRegion area = pad->work().drawingArea();
        const QRect bounds = area.boundingRect();
        QCOMPARE(picture.size(), bounds.size() * ratio);
        QCOMPARE(bounds.height() < pad->height(), !tallLayout); // the wide strip is left out
        QImage shown = pad->grab(bounds).toImage().convertToFormat(QImage::Format_RGB32);
        QPainter canvas(&shown);
        canvas.setClipRegion(QRegion(QRect(QPoint(0, 0), bounds.size())) - area.translated(-bounds.topLeft()));
        canvas.fillRect(shown.rect(), Colours::Canvas);
        canvas.end();
        shown.setDevicePixelRatio(1); // a file has no ratio
        const QImage kept = picture.convertToFormat(QImage::Format_RGB32);
        QCOMPARE(kept, shown);
        QTest::keySequence(pad, QKeySequence(Qt::CTRL | Qt::Key_C));
        QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        copied.setDevicePixelRatio(1); // pixels, not their size on screen
        QCOMPARE(copied, kept);
        // Offered in the pupil's pictures folder, or home, under a dated name.
        QCOMPARE(dialogs->offered.size(), 1);
        const QString folder = QFileInfo(dialogs->offered.first()).absolutePath();
        QVERIFY2(folder == QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) ||
                     folder == QDir::homePath(),
                 qPrintable(folder));
        QVERIFY(QRegularExpression(QStringLiteral("^Jotter \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.png$"))
                    .match(QFileInfo(dialogs->offered.first()).fileName())
                    .hasMatch());
    }

    // A file that is there is replaced only when the pupil agrees; saying no
    // asks for another name.
    void replacesOnlyWhenAsked_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("replace") << QList<bool>{true} << true;
        QTest::newRow("keep, then cancel") << QList<bool>{false} << false;
    }
    void replacesOnlyWhenAsked()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(bool, replaced);
        const QString path = m_folder.filePath(QStringLiteral("homework.png"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        press(QStringLiteral("red"));
        dialogs->paths = {path};
        dialogs->replace = answers;
        QTest::keySequence(pad, QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(QFileInfo(path).size() != 3, replaced);
        QCOMPARE(dialogs->offered.size(), replaced ? 1 : 2);
        QVERIFY(dialogs->reports.isEmpty());
    }

    // Saving or printing into a folder that takes no files, or cancelling
    // either dialog: nothing is written, the drawing and its history stay as
    // they were, and only a failure is told, naming the folder.
    void failuresLeaveTheDrawing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<int>("failure"); // a JotterWork::Failure; -1: nothing is told
        QTest::newRow("save, folder takes no files") << "save" << false << int(JotterWork::Failure::FolderNotWritable);
        QTest::newRow("save cancelled") << "save" << true << -1;
        QTest::newRow("print, file in a folder that takes no files")
            << "print" << false << int(JotterWork::Failure::PrintFailed);
        QTest::newRow("print cancelled") << "print" << true << -1;
    }
    void failuresLeaveTheDrawing()
    {
        QFETCH(QString, action);
        QFETCH(bool, cancelled);
        QFETCH(int, failure);
        press(QStringLiteral("red"));
        press(QStringLiteral("blue"));
        const QImage before = pad->drawing().image().copy();
        const int steps = pad->work().history().undoCount();
        const QTemporaryDir folder;
        QFile notAFolder(folder.filePath(QStringLiteral("not a folder")));
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        notAFolder.close();
        const QString target = notAFolder.fileName() + (action == u"save" ? "/pad.png" : "/pad.pdf");
        if (action == u"save") {
            dialogs->paths = cancelled ? QStringList() : QStringList{target};
            QTest::keySequence(pad, QKeySequence(Qt::CTRL | Qt::Key_S));
            QCOMPARE(dialogs->offered.size(), 1);
        } else {
            dialogs->printTo = cancelled ? QString() : target;
            QTest::keySequence(pad, QKeySequence(Qt::CTRL | Qt::Key_P));
        }
        const QStringList told =
            failure < 0 ? QStringList()
                        : QStringList{JotterWork::failureMessage(JotterWork::Failure(failure),
                                                                 QDir::toNativeSeparators(notAFolder.fileName()))};
        QCOMPARE(dialogs->reports, told);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"not a folder"});
        QCOMPARE(pad->drawing().image(), before);
        QCOMPARE(pad->work().history().undoCount(), steps);
        QVERIFY(pad->isVisible());
    }

    // One page, the drawing centred on it in its proportions, each stroke in its colour.
    void printsToPdf()
    {
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        QVERIFY2(!pdftoppm.isEmpty(), "pdftoppm (Debian: poppler-utils) renders the printed page");
        // Bands of three strokes, wide enough to keep their colour when scaled.
        for (const auto &[swatch, from] :
             {std::pair(12, QPoint(40, 40)), {9, QPoint(40, 100)}, {14, QPoint(300, 40)}}) {
            click(control<Label>("Label1", swatch));
            for (int dy : {-2, 0, 2})
                stroke(pad, {from + QPoint(0, dy), from + QPoint(140, dy)});
        }
        dialogs->printTo = m_folder.filePath(QStringLiteral("pad.pdf"));
        QTest::keySequence(pad, QKeySequence(Qt::CTRL | Qt::Key_P));
        QVERIFY(dialogs->reports.isEmpty());
        const QString prefix = m_folder.filePath(QStringLiteral("page"));
        QCOMPARE(QProcess::execute(pdftoppm, {"-r", "60", "-png", dialogs->printTo, prefix}), 0);
        QCOMPARE(QDir(m_folder.path()).entryList({"page*.png"}), QStringList{"page-1.png"});
        const QImage page = QImage(prefix + QStringLiteral("-1.png")).convertToFormat(QImage::Format_RGB32);
        QRect printed; // everything not white
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (page.pixel(x, y) != qRgb(255, 255, 255))
                    printed |= QRect(x, y, 1, 1);
        const QRect area = pad->work().drawingArea().boundingRect();
        QVERIFY(qAbs(printed.width() * area.height() - printed.height() * area.width()) <= 2 * area.width());
        QVERIFY(qAbs(printed.left() - (page.width() - 1 - printed.right())) <= 2);
        QVERIFY(qAbs(printed.top() - (page.height() - 1 - printed.bottom())) <= 2);
        const auto near = [](QRgb got, const QColor &want) {
            return qAbs(qRed(got) - want.red()) + qAbs(qGreen(got) - want.green()) + qAbs(qBlue(got) - want.blue()) <
                   90;
        };
        const auto at = [&](QPoint pad) {
            return page.pixel(printed.topLeft() + (QPointF(pad) * printed.width() / area.width()).toPoint());
        };
        QVERIFY(near(at({100, 40}), qbColor(12)));
        QVERIFY(near(at({100, 100}), qbColor(9)));
        QVERIFY(near(at({350, 40}), Colours::Yellow));
        QVERIFY(near(at({350, 100}), Colours::Canvas));
    }

    // Each row presses steps in turn: a stroke in red along y = 40 or blue
    // along y = 100, the eraser across both at x = 100, Clear, Flip and the
    // keys. Then the pad shows at (60, 40), (60, 100) and (100, 40) the named
    // colours ("none": nothing drawn), in the named layout.
    void undoAndRedo_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        addDataRow("draw", "red", "red none red wide");
        addDataRow("draw, undo", "red undo", "none none none wide");
        addDataRow("draw, undo, redo", "red undo redo", "red none red wide");
        addDataRow("stroke by stroke", "red blue undo", "red none red wide");
        addDataRow("erase, undo", "red blue erase undo", "red blue red wide");
        addDataRow("erase, undo, Ctrl+Y", "red blue erase undo redo-y", "red blue canvas wide");
        addDataRow("clear", "red blue clear", "none none none wide");
        addDataRow("clear, undo", "red blue clear undo", "red blue red wide");
        addDataRow("clear, undo, redo", "red blue clear undo redo", "none none none wide");
        addDataRow("clear twice, undo", "red clear clear undo", "red none red wide");
        addDataRow("flip", "red flip", "none none none tall");
        addDataRow("flip, undo", "red flip undo", "red none red wide");
        addDataRow("flip, undo, redo", "red flip undo redo", "none none none tall");
        addDataRow("history through flips", "red flip blue flip undo", "none blue none tall");
        addDataRow("back before a flip", "red flip blue undo undo", "red none red wide");
        addDataRow("a new stroke ends redo", "red undo blue redo", "none blue none wide");
        addDataRow("nothing to undo", "undo redo", "none none none wide");
    }
    void undoAndRedo()
    {
        QFETCH(QString, steps);
        for (const QString &step : steps.split(u' '))
            press(step);
        QStringList shown;
        for (QPoint probe : {QPoint(60, 40), QPoint(60, 100), QPoint(100, 40)})
            shown.append(colourName(pad->drawing().colourAt(probe * 15)));
        shown.append(tall() ? QStringLiteral("tall") : QStringLiteral("wide"));
        QTEST(shown.join(u' '), "shown");
    }

    // A tablet pen draws as the mouse does, as wide as the pen at half
    // pressure, from half to twice that; its eraser end erases, and the pad
    // keeps its mode.
    void tabletPen_data()
    {
        QTest::addColumn<qreal>("pressure");
        QTest::addColumn<bool>("eraserEnd");
        QTest::addColumn<bool>("padErasing");
        QTest::addColumn<qreal>("width");
        QTest::addColumn<QString>("colour");
        QTest::newRow("light") << 0.1 << false << false << 1.74 << "yellow";
        QTest::newRow("half") << 0.5 << false << false << 3.0 << "yellow";
        QTest::newRow("hard") << 1.0 << false << false << 6.0 << "yellow";
        QTest::newRow("eraser end") << 0.5 << true << false << 30.0 << "canvas";
        QTest::newRow("eraser end, hard") << 1.0 << true << false << 60.0 << "canvas";
        QTest::newRow("tip on an erasing pad") << 0.5 << false << true << 30.0 << "canvas";
    }
    void tabletPen()
    {
        QFETCH(qreal, pressure);
        QFETCH(bool, eraserEnd);
        QFETCH(bool, padErasing);
        QFETCH(qreal, width);
        stroke(pad, {QPoint(40, 160), QPoint(200, 160)}); // the mouse's stroke, for its width
        if (padErasing)
            click(control("Command5"));
        const QPointingDevice stylus(QStringLiteral("stylus"),
                                     1,
                                     QInputDevice::DeviceType::Stylus,
                                     eraserEnd ? QPointingDevice::PointerType::Eraser
                                               : QPointingDevice::PointerType::Pen,
                                     QInputDevice::Capability::Position | QInputDevice::Capability::Pressure,
                                     1,
                                     2);
        const auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons) {
            QTabletEvent event(type, &stylus, at, pad->mapToGlobal(at), pressure, 0, 0, 0, 0, 0, {}, button, buttons);
            QApplication::sendEvent(pad, &event);
            QVERIFY(event.isAccepted());
        };
        send(QEvent::TabletPress, QPointF(40, 80), Qt::LeftButton, Qt::LeftButton);
        send(QEvent::TabletMove, QPointF(120.3, 80), Qt::NoButton, Qt::LeftButton);
        send(QEvent::TabletMove, QPointF(200, 80), Qt::NoButton, Qt::LeftButton);
        send(QEvent::TabletRelease, QPointF(200, 80), Qt::LeftButton, Qt::NoButton);
        const QImage drawing = pad->drawing().image();
        QVERIFY2(qAbs(strokeWidth(drawing, 80) - width * drawing.devicePixelRatio()) < 0.5,
                 qPrintable(QString::number(strokeWidth(drawing, 80))));
        QTEST(colourName(pad->drawing().colourAt(QPoint(120, 80) * 15)), "colour");
        if (!eraserEnd && !padErasing && pressure == 0.5) // half pressure is the mouse's width
            QVERIFY(qAbs(strokeWidth(drawing, 80) - strokeWidth(drawing, 160)) < 0.01);
        QCOMPARE(pad->pen().isErasing(), padErasing);
        // A stroke is one step.
        QTest::keySequence(pad, QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(pad->drawing().colourAt(QPoint(120, 80) * 15).alpha(), 0);
    }

    // One finger draws; a second finger stops the drawing until every finger
    // is lifted, also when the first goes on alone.
    void touch_data()
    {
        QTest::addColumn<QString>("fingers");
        QTest::addColumn<QString>("after");
        addDataRow("one finger", "one", "yellow");
        addDataRow("two fingers", "two", "none");
        addDataRow("second lifted first", "second lifted", "none");
    }
    void touch()
    {
        QFETCH(QString, fingers);
        static QPointingDevice *const screen = QTest::createTouchDevice(); // one for the run, as a real screen
        QTest::touchEvent(pad, screen).press(0, QPoint(40, 60));
        QTest::touchEvent(pad, screen).move(0, QPoint(120, 60));
        if (fingers != u"one") {
            QTest::touchEvent(pad, screen).stationary(0).press(1, QPoint(40, 140));
            QTest::touchEvent(pad, screen).move(0, QPoint(140, 60)).move(1, QPoint(200, 140));
        }
        if (fingers == u"second lifted")
            QTest::touchEvent(pad, screen).stationary(0).release(1, QPoint(200, 140));
        if (fingers != u"two")
            QTest::touchEvent(pad, screen).move(0, QPoint(200, 60));
        QTest::touchEvent(pad, screen).release(0, QPoint(200, 60));
        if (fingers == u"two")
            QTest::touchEvent(pad, screen).release(1, QPoint(200, 140));
        QCOMPARE(colourName(pad->drawing().colourAt(QPoint(80, 60) * 15)), QStringLiteral("yellow"));
        QTEST(colourName(pad->drawing().colourAt(QPoint(170, 60) * 15)), "after");
        for (QPoint untouched : {QPoint(160, 140), QPoint(80, 100)}) // finger 2's path, and the jump to it
            QCOMPARE(colourName(pad->drawing().colourAt(untouched * 15)), QStringLiteral("none"));
    }

    // The menu opens on a still right click on the drawing area and from the
    // keyboard; a right drag only moves the current point, as before.
    void menu_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<bool>("opens");
        QTest::newRow("right click") << "click" << true;
        QTest::newRow("right click, a hand's tremble") << "tremble" << true;
        QTest::newRow("right drag") << "drag" << false;
        QTest::newRow("right click on a swatch") << "swatch" << false;
        QTest::newRow("Menu key") << "menu" << true;
        QTest::newRow("Shift+F10") << "shift+f10" << true;
    }
    void menu()
    {
        QFETCH(QString, gesture);
        QFETCH(bool, opens);
        if (gesture == u"click" || gesture == u"tremble" || gesture == u"drag") {
            stroke(
                pad,
                {QPoint(100, 80), gesture == u"click" ? QPoint(100, 80) : QPoint(gesture == u"drag" ? 160 : 102, 80)},
                Qt::RightButton);
            QCOMPARE(pad->pen().currentPoint(), QPoint(1500, 1200));
        } else if (gesture == u"swatch") {
            QTest::mouseClick(control<Label>("Label1", 3), Qt::RightButton);
        } else {
            QTest::keySequence(pad,
                               gesture == u"menu" ? QKeySequence(Qt::Key_Menu) : QKeySequence(Qt::SHIFT | Qt::Key_F10));
        }
        QVERIFY(pad->drawing().isBlank());
        QMenu *menu = pad->work().menu();
        QCOMPARE(QApplication::activePopupWidget() == menu, opens);
        if (!opens)
            return;
        // Each action as a screen reader names it, with its keys, undo and
        // redo greyed while there is nothing to take back.
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(menu);
        QVERIFY(spoken && spoken->childCount() == menu->actions().size());
        QStringList entries;
        for (int i = 0; i < spoken->childCount(); ++i) {
            const QAction *action = menu->actions().at(i);
            if (!action->isSeparator())
                entries.append(spoken->child(i)->text(QAccessible::Name) + u' ' +
                               action->shortcuts().first().toString() + (action->isEnabled() ? "" : " (greyed)"));
        }
        QCOMPARE(entries,
                 QStringList({"Undo Ctrl+Z (greyed)",
                              "Redo Ctrl+Shift+Z (greyed)",
                              "Copy Ctrl+C",
                              "Save… Ctrl+S",
                              "Print… Ctrl+P"}));
        QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("Jotter menu"));
        menu->close();
        stroke(pad, {QPoint(40, 60), QPoint(200, 60)}); // left drags draw as ever
        QVERIFY(!pad->drawing().isBlank() && !QApplication::activePopupWidget());
    }
};

QTEST_MAIN(TestJotterWork)
#include "tst_jotterwork.moc"
