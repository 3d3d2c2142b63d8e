// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
// Every screen, in each state a pupil meets, pixel for pixel as drawn with the
// build's own pictures, against reference pictures in references/: whatever a
// pupil would see change (a place, a size, a colour, a word) fails here.
// VERTEXA_GOLDEN_UPDATE=1 (`make golden`) writes the references instead.
#include "common/language.h"
#include "controls/textbox.h"
#include "screens/fonts.h"
#include "screens/screen.h"
#include "support/stroke.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>

using namespace ScreenNames;

namespace {

// Compares with the reference of that name; on a mismatch, the picture goes
// to the test's output folder. Returns what went wrong.
QString compareWithReference(const QImage &actual, const QString &name)
{
    const QString reference = QStringLiteral(VERTEXA_GOLDEN_REFERENCES "/") + name + ".png";
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    const QString output = QStringLiteral(VERTEXA_GOLDEN_OUTPUT "/") + name + "-actual.png";
    // What an earlier run left of this picture no longer applies; an unchanged
    // picture keeps its reference file as it is.
    QFile::remove(output);
    if (expected == actual)
        return {};
    if (qEnvironmentVariableIntValue("VERTEXA_GOLDEN_UPDATE")) {
        // Stored small: as indexed colour where that loses nothing, else as full colour.
        const QImage indexed = actual.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
        const QImage stored = indexed.convertToFormat(QImage::Format_RGB32) == actual ? indexed : actual;
        return QDir().mkpath(QFileInfo(reference).path()) && stored.save(reference, "PNG", 0)
                   ? QString()
                   : "cannot write " + reference;
    }
    QDir().mkpath(QFileInfo(output).path());
    actual.save(output);
    return "differs from " + reference + " (" + QDebug::toString(expected.size()) + ", shown " +
           QDebug::toString(actual.size()) + "; make golden writes it); actual picture: " + output;
}

} // namespace

class TestGolden : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // A steady text cursor: a blinking one would be there or not as time has
        // it.
        QApplication::setCursorFlashTime(0);
    }
    void cleanup()
    {
        Language::install({});
        // The next row adds them again, and with that Qt starts all fonts afresh.
        // Otherwise, at ratio 2, captions too large for Qt's glyph cache (drawn
        // as outlines) would come out a shade different at their edges after
        // other rows had drawn with the same faces.
        removeBundledFonts();
    }

    void screenLooksAsBefore_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QStringList>("steps");
        // A screen in one state: the state's name, the random draws the screen
        // opens with and what the pupil does there, one step an entry (see
        // perform). Draws (t + 0.5) / 8 give question type t: type 3 on the
        // triangle page (answer 45), type 2 on the stellated one (answer 5);
        // the explorer opens on {5/2}.
        const QList<double> triangle{0.4375, 0.5, 0.5}, stellated{0.3125}, explorer{0.0, 0.0};
        QList<std::tuple<QString, QString, QList<double>, QStringList>> visits{
            {Title, "frame0", {}, {}},
            {Menu, "plain", {}, {}},
            // Both ways a topic lights up: under the pointer, and reached with Tab.
            {Menu, "highlighted", {}, {"point Label2(0)", "key Tab"}},
            {TriangleProblems, "question", triangle, {}},
            {TriangleProblems, "verdict", triangle, {"type Text1 45", "click cmdcheckit"}},
            {TriangleProblems, "answer", triangle, {"type Text1 45", "click cmdcheckit", "click cmdsoln"}},
            {StellatedProblems, "question", stellated, {}},
            {StellatedProblems, "verdict", stellated, {"type Text1 1", "key Return"}},
            {StellatedProblems, "answer", stellated, {"type Text1 1", "key Return", "click cmdsoln"}},
            {Explorer, "star7-3", explorer, {"type Text2(0) 7", "key Return", "type Text2(1) 3", "key Return"}},
            {Jotter, "landscape", {}, {"drag 40,40 120,130 200,50 300,110"}},
            {Jotter, "portrait", {}, {"click Command3", "drag 40,40 120,130 170,50 30,300"}},
        };
        QStringList steps;
        for (int view = 0; view < 6; steps.append("click Label5"), ++view)
            visits.append({Proof, QStringLiteral("view%1").arg(view), {}, steps});
        const QString ratio = QString::number(QGuiApplication::primaryScreen()->devicePixelRatio());
        for (const QString language : {"en", "de"})
            for (const auto &[screen, state, draws, steps] : visits)
                QTest::newRow(qPrintable(QStringLiteral("%1/%2-%3@%4x").arg(language, screen, state, ratio)))
                    << language << screen << draws << steps;
    }

    void screenLooksAsBefore()
    {
        QFETCH(QString, language);
        QFETCH(QString, screen);
        QFETCH(QList<double>, draws);
        QFETCH(QStringList, steps);
        // Before any screen is made: the screens take their words as they are
        // built.
        QVERIFY(Language::install(language));
        TestProgram program;
        program.context().setPictures(PictureFolder(QStringLiteral(VERTEXA_PROGRAM_DIR)));
        program.random().setValues(draws);
        program.screens().show(screen);
        QVERIFY((m_screen = program.screen(screen)));
        // Still before the first timer tick: the animations stay at their first
        // frame.
        m_screen->stopTimers();
        QVERIFY(QTest::qWaitForWindowActive(m_screen));
        for (const QString &step : steps)
            QVERIFY2(perform(step.split(u' ')), qPrintable(step));
        QApplication::processEvents();
        // What the window shows, at the display's resolution, its retained drawing
        // included. The offscreen window system's own copy (QScreen::grabWindow)
        // is the same at ratio 1 but holds only one pixel a point at ratio 2.
        const QString problem = compareWithReference(m_screen->grab().toImage().convertToFormat(QImage::Format_RGB32),
                                                     QString::fromUtf8(QTest::currentDataTag()));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

private:
    // One step: "click <control>", "type <control> <text>" (over what it holds),
    // "key <key>" (to the control with the focus), "point <control>" (the pointer
    // comes to rest over it) or "drag x,y x,y ..." (a left-button stroke through
    // window points). A control is "Name" or "Name(index)".
    bool perform(const QStringList &step)
    {
        if (step[0] == u"drag") {
            QList<QPoint> path;
            for (const QString &point : step.mid(1))
                path.append(QPoint(point.section(u',', 0, 0).toInt(), point.section(u',', 1, 1).toInt()));
            stroke(m_screen, path);
            return path.size() > 1;
        }
        const QString name = step.value(1).section(u'(', 0, 0);
        const int index = step.value(1).contains(u'(') ? step[1].section(u'(', 1).chopped(1).toInt() : NoIndex;
        QWidget *control = step[0] == u"key" ? QApplication::focusWidget() : m_screen->control<QWidget>(name, index);
        if (!control || !control->isVisible())
            return false;
        if (step[0] == u"key") {
            QTest::keySequence(control, QKeySequence::fromString(step.value(1)));
        } else if (step[0] == u"click") {
            click(control);
        } else if (step[0] == u"point") {
            QTest::mouseMove(m_screen->windowHandle(), control->mapTo(m_screen, control->rect().center()));
        } else if (step[0] == u"type") {
            control->setFocus();
            qobject_cast<TextBox *>(control)->selectAll();
            QTest::keyClicks(control, step.value(2));
        } else {
            return false;
        }
        return true;
    }

    Screen *m_screen = nullptr;
};

QTEST_MAIN(TestGolden)
#include "tst_golden.moc"
