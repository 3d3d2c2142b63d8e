// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// The Jotter as the pupil meets it: its buttons and swatches reach the pen
// (whose rules tst_penstate covers), only the left button alone draws, both
// layouts fit the work area. And what it keeps: the saved and copied picture
// is the pad as shown, undo and redo walk strokes, Clear and Flip, a tablet
// pen's eraser end and fingers draw, the menu opens on a still right click
// and from the keyboard, and a failure leaves the drawing as it was.
#include "controls/twipsgeometry.h"
#include "jotter/jotterpad.h"
#include "support/datarow.h"
#include "support/stroke.h"
#include "support/testprogram.h"

#include <QClipboard>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// Answers the pad's questions as a test script says.
struct ScriptedDialogs : PadDialogs
{
    // answers: to the save, replace and print dialogs in turn; none left, "" or "no": cancel.
    QStringList answers, offered, reports;

    QString answer() { return answers.isEmpty() ? QString() : answers.takeFirst(); }
    QString savePath(QWidget *, const QString &suggested) override
    {
        offered.append(suggested);
        return answer();
    }
    bool replaceFile(QWidget *, const QString &) override { return answer() == u"yes"; }
    bool choosePrinter(QWidget *, QPrinter &printer) override
    {
        printer.setOutputFileName(answer()); // a .pdf name makes a PDF file
        return !printer.outputFileName().isEmpty();
    }
    void report(QWidget *, const QString &message) override { reports.append(message); }
};

class TestJotterPad : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestProgram> m_program;
    JotterPad *pad = nullptr;
    ScriptedDialogs *dialogs = nullptr;
    const QColor none = Qt::transparent, red = qbColor(12), blue = qbColor(9), canvas = Colours::Canvas;

    QWidget *control(const char *name, int index = NoIndex) { return pad->control<QWidget>(name, index); }
    void keys(const QString &keys) { QTest::keySequence(pad, QKeySequence(keys)); }
    QColor colourAt(QPoint at) { return pad->drawing().colourAt(at * 15); }
    // A stroke in red along y = 40 or in blue along y = 100; the eraser, or a
    // tablet pen's eraser end pressed hard, across both at x = 100 (then back
    // to the pen); a finger along the blue line, joined by a second that goes
    // to the red line and is lifted, then on alone to the crossing; Clear,
    // Flip, or keys.
    void press(const QString &step)
    {
        const bool tall = control("Frame_portrait")->isVisible();
        if (step == u"red" || step == u"blue") {
            click(control(tall ? "Label11" : "Label1", step == u"red" ? 12 : 9));
            const int y = step == u"red" ? 40 : 100;
            stroke(pad, {QPoint(40, y), QPoint(80, y), QPoint(180, y)});
        } else if (step == u"erase") {
            click(control(tall ? "Command8" : "Command5"));
            stroke(pad, {QPoint(100, 20), QPoint(100, 120)});
            click(control(tall ? "Command10" : "Command2"));
        } else if (step == u"pen-eraser") {
            using Device = QPointingDevice;
            const Device
                stylus({}, 1, Device::DeviceType::Stylus, Device::PointerType::Eraser, Device::Capability::All, 1, 2);
            for (const auto &[type, y] :
                 {std::pair(QEvent::TabletPress, 20), {QEvent::TabletMove, 120}, {QEvent::TabletRelease, 120}}) {
                const Qt::MouseButtons held = type == QEvent::TabletRelease ? Qt::NoButton : Qt::LeftButton;
                const QPointF at(100, y);
                QTabletEvent
                    event(type, &stylus, at, pad->mapToGlobal(at), 1.0, 0, 0, 0, 0, 0, {}, Qt::LeftButton, held);
                QApplication::sendEvent(pad, &event);
            }
        } else if (step == u"fingers") {
            static QPointingDevice *const screen = QTest::createTouchDevice(); // one for the run, as a real screen
            QTest::touchEvent(pad, screen).press(0, QPoint(40, 100));
            QTest::touchEvent(pad, screen).move(0, QPoint(80, 100));
            QTest::touchEvent(pad, screen).stationary(0).press(1, QPoint(40, 140));
            QTest::touchEvent(pad, screen).move(0, QPoint(90, 100)).move(1, QPoint(60, 40));
            QTest::touchEvent(pad, screen).stationary(0).release(1, QPoint(60, 40));
            QTest::touchEvent(pad, screen).move(0, QPoint(100, 40));
            QTest::touchEvent(pad, screen).release(0, QPoint(100, 40));
        } else if (step == u"clear" || step == u"flip") {
            click(control(step == u"clear" ? (tall ? "Command7" : "Command6") : (tall ? "Command4" : "Command3")));
        } else {
            keys(step);
        }
    }

private Q_SLOTS:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        QVERIFY((pad = m_program->open<JotterPad>(ScreenNames::Jotter)));
        pad->work().setDialogs(std::unique_ptr<PadDialogs>(dialogs = new ScriptedDialogs));
    }
    void cleanup() { m_program.reset(); }

    // Where the pad does not fit the display's work area (panels left out) it
    // is moved in as little as will do, the tall one shortened only below its
    // controls; where it fits, or cannot fit at all, it stays at its place.
    // Each layout has a fixed outer size of its own, the tall frame by the
    // right edge, the wide swatches 305 twips apart.
    void fitsTheWorkArea_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("wide"); // the outer rectangles after a flip, in pixels
        QTest::addColumn<QRect>("tall");
        const QRect wide(10, 36, 667, 276), tall(10, 36, 267, 800);
        addDataRow("1280x1024: fits", QRect(0, 0, 1280, 1024), wide, tall);
        addDataRow("1024x768, panel above", QRect(0, 32, 1024, 736), wide, QRect(10, 32, 267, 736));
        addDataRow("panel at the left", QRect(48, 0, 976, 900), QRect(48, 36, 667, 276), QRect(48, 36, 267, 800));
        addDataRow("lower than the controls", QRect(0, 0, 1024, 300), QRect(10, 24, 667, 276), tall);
        addDataRow("narrower than the wide pad", QRect(0, 0, 640, 480), wide, QRect(10, 0, 267, 480));
    }
    void fitsTheWorkArea()
    {
        QFETCH(QRect, area);
        QFETCH(QRect, tall);
        WindowPlacement::setWorkArea(area);
        const auto platformsArea = qScopeGuard([] { WindowPlacement::setWorkArea(std::nullopt); });
        click(control("Command3"));
        QCOMPARE(pad->frameGeometry(), tall);
        QCOMPARE(TwipsGeometry::rect(control("Frame_portrait")), QRect(2885, 0, 1035, 5250));
        // Strokes reach the tall pad's lower part. A panel that comes shortens
        // the pad; what lay below the new edge is back when the panel goes.
        const int low = tall.height() - 80;
        stroke(pad, {QPoint(30, low), QPoint(150, low)});
        for (const QRect &now : {QRect(0, 0, 1024, 400), area}) {
            WindowPlacement::setWorkArea(now);
            pad->placement().refit();
        }
        QCOMPARE(pad->frameGeometry(), tall);
        QCOMPARE(colourAt(QPoint(90, low)), Colours::Yellow);
        click(control("Command4"));
        QTEST(pad->frameGeometry(), "wide");
        QCOMPARE(TwipsGeometry::rect(control("Label1", 15)), QRect(5010 + 305 * 15, 285, 240, 240));
    }

    // A file that is there is replaced only when the pupil agrees; saying no
    // asks for another name. A folder that takes no files writes nothing and
    // is told, naming the folder. The drawing and its history stay as they
    // were. The saved and copied pictures hold the pad's own pixels, at the
    // display's resolution; what the buttons cover shows as bare canvas,
    // strokes under them included.
    void saveAndPrint_data()
    {
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<QString>("target"); // in a folder holding the files "old.png" and "not a folder"
        QTest::addColumn<bool>("replace");   // the pupil's answer when asked
        QTest::addColumn<int>("asked");      // how often the save dialog comes
        QTest::addColumn<int>("failure");    // a JotterWork::Failure; -1: nothing is told
        const int notWritable = int(JotterWork::Failure::FolderNotWritable);
        addDataRow("save over a file, replace", "Ctrl+S", "old.png", true, 1, -1);
        addDataRow("save over a file, keep, cancel", "Ctrl+S", "old.png", false, 2, -1);
        addDataRow("save, folder takes no files", "Ctrl+S", "not a folder/pad.png", false, 1, notWritable);
        const int printFailed = int(JotterWork::Failure::PrintFailed);
        addDataRow("print, folder takes no files", "Ctrl+P", "not a folder/pad.pdf", false, 0, printFailed);
    }
    void saveAndPrint()
    {
        QFETCH(QString, shortcut);
        QFETCH(QString, target);
        QFETCH(bool, replace);
        QFETCH(int, failure);
        press(u"flip"_s);
        press(u"red"_s);
        stroke(pad, {QPoint(20, 150), QPoint(260, 60), QPoint(30, 10)}); // under the tall frame too
        const QImage before = pad->drawing().image().copy();
        const QTemporaryDir folder;
        for (const QString &name : {u"old.png"_s, u"not a folder"_s}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        }
        dialogs->answers = {folder.filePath(target), replace ? u"yes"_s : u"no"_s};
        keys(shortcut);
        QTEST(int(dialogs->offered.size()), "asked");
        const QString where = QDir::toNativeSeparators(folder.filePath(u"not a folder"_s));
        QCOMPARE(dialogs->reports,
                 failure < 0 ? QStringList()
                             : QStringList{JotterWork::failureMessage(JotterWork::Failure(failure), where)});
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({"not a folder", "old.png"}));
        QCOMPARE(QFileInfo(folder.filePath(u"old.png"_s)).size() != 3, replace);
        QCOMPARE(pad->drawing().image(), before);
        QCOMPARE(pad->work().history().undoCount(), 3); // the flip and two strokes
        if (!replace)
            return;
        const QImage kept = QImage(folder.filePath(u"old.png"_s)).convertToFormat(QImage::Format_RGB32);
        const QRegion area = pad->work().drawingArea();
        const QRect bounds = area.boundingRect();
        QImage shown = pad->grab(bounds).toImage().convertToFormat(QImage::Format_RGB32);
        QPainter painter(&shown);
        painter.setClipRegion((QRegion(bounds) - area).translated(-bounds.topLeft()));
        painter.fillRect(shown.rect(), canvas);
        painter.end();
        shown.setDevicePixelRatio(1); // a file has no ratio
        QCOMPARE(kept, shown);
        keys(u"Ctrl+C"_s);
        QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        copied.setDevicePixelRatio(1); // pixels, not their size on screen
        QCOMPARE(copied, kept);
    }

    // Each row presses steps in turn (see press()); then the pad shows the
    // named colours on the red line, on the blue one and where the eraser
    // crosses the red, in the named layout. One finger draws; a second stops
    // the drawing until every finger is lifted, also when the first goes on
    // alone.
    void undoAndRedo_data()
    {
        QTest::addColumn<QString>("steps");
        for (const char *column : {"red line", "blue line", "crossing"})
            QTest::addColumn<QColor>(column);
        QTest::addColumn<bool>("tall");
        addDataRow("stroke by stroke", "red blue Ctrl+Z", red, none, red, false);
        addDataRow("a new stroke drops the redo", "red Ctrl+Z blue Ctrl+Y", none, blue, none, false);
        addDataRow("erase, undo twice, Ctrl+Y", "red blue erase Ctrl+Z Ctrl+Z Ctrl+Y", red, blue, red, false);
        addDataRow("a tablet pen's eraser end", "red blue pen-eraser", red, blue, canvas, false);
        addDataRow("fingers", "fingers", none, Colours::Yellow, none, false);
        addDataRow("fingers, undo", "red fingers Ctrl+Z", red, none, red, false);
        addDataRow("clear, undo", "red blue clear Ctrl+Z", red, blue, red, false);
        addDataRow("clear the tall pad", "flip red clear", none, none, none, true);
        addDataRow("erase the tall pad", "flip red blue erase", red, blue, canvas, true);
        addDataRow("flip, undo", "red flip Ctrl+Z", red, none, red, false);
        addDataRow("flip, undo, redo", "red flip Ctrl+Z Ctrl+Shift+Z", none, none, none, true);
        addDataRow("history through flips", "red flip blue flip Ctrl+Z", none, blue, none, true);
        addDataRow("back before a flip", "red flip blue Ctrl+Z Ctrl+Z", red, none, red, false);
    }
    void undoAndRedo()
    {
        QFETCH(QString, steps);
        for (const QString &step : steps.split(u' '))
            press(step);
        QTEST(colourAt(QPoint(60, 40)), "red line");
        QTEST(colourAt(QPoint(60, 100)), "blue line");
        QTEST(colourAt(QPoint(100, 40)), "crossing");
        QTEST(control("Frame_portrait")->isVisible(), "tall");
    }

    // Only the left button alone draws. The menu, named for screen readers,
    // opens on a still right click on the drawing area and from the keyboard.
    void buttonsAndMenu_data()
    {
        QTest::addColumn<QList<Qt::MouseButton>>("pressed"); // in this order, held together
        QTest::addColumn<QString>("gesture");                // with buttons: a drag from x = 100 to that x; else keys
        QTest::addColumn<bool>("opens");
        addDataRow("left drag", QList{Qt::LeftButton}, "160", false);
        addDataRow("right click", QList{Qt::RightButton}, "100", true);
        addDataRow("right drag", QList{Qt::RightButton}, "160", false);
        addDataRow("middle drag", QList{Qt::MiddleButton}, "160", false);
        addDataRow("left, then right too", QList{Qt::LeftButton, Qt::RightButton}, "160", false);
        addDataRow("middle, then left too", QList{Qt::MiddleButton, Qt::LeftButton}, "160", false);
        addDataRow("Menu key", QList<Qt::MouseButton>(), "Menu", true);
    }
    void buttonsAndMenu()
    {
        QFETCH(QList<Qt::MouseButton>, pressed);
        QFETCH(QString, gesture);
        QFETCH(bool, opens);
        for (Qt::MouseButton button : pressed)
            QTest::mousePress(pad->windowHandle(), button, {}, QPoint(100, 80));
        QTest::mouseMove(pad->windowHandle(), QPoint(gesture.toInt(), 80));
        for (Qt::MouseButton button : pressed)
            QTest::mouseRelease(pad->windowHandle(), button, {}, QPoint(gesture.toInt(), 80));
        if (pressed.isEmpty())
            keys(gesture);
        QCOMPARE(!pad->drawing().isBlank(), pressed == QList{Qt::LeftButton});
        QCOMPARE(QApplication::activePopupWidget() == pad->work().menu(), opens);
        if (opens)
            QCOMPARE(pad->work().menu()->accessibleName(), u"Jotter menu"_s);
    }
};

QTEST_MAIN(TestJotterPad)
#include "tst_jotterpad.moc"
