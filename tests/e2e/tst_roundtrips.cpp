// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/vertexaprogram.h"
#include "common/randomsource.h"
#include "picturesets.h"
#include "pupil.h"
#include "screens/controls.h"
#include "screens/screen.h"

#include <QFile>
#include <QPixmapCache>
#include <QTest>
#include <memory>
#include <malloc.h>
#include <unistd.h>

using namespace ScreenNames;

namespace {

// Resident memory of this process, in kilobytes, once freed memory has been
// handed back.
qint64 residentKilobytes()
{
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

bool underSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

int rounds()
{
    const int given = qEnvironmentVariableIntValue("VERTEXA_ROUNDS");
    return given > 0 ? given : 1000;
}

} // namespace

// Thousands of visits leave nothing behind: every screen and every Jotter
// goes when it is left (LeakSanitizer checks the sanitizer build), and the
// memory in use after the last round is what it was after the first.
class TestRoundTrips : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void visitsLeaveNothingBehind_data();
    void visitsLeaveNothingBehind();

private:
    void lessonRound();
    void jotterRound();
    Screen *only(const QString &name);

    std::unique_ptr<ClockSeededRandom> m_random;
    std::unique_ptr<VertexaProgram> m_vertexa;
    double m_clock = 0;
};

void TestRoundTrips::initTestCase()
{
    Pupil::quietWindowSystem();
    QVERIFY(PictureSetFolder::pictureFiles(PictureSetFolder::realRoot()).size() > 100);
}

void TestRoundTrips::init()
{
    m_random = std::make_unique<ClockSeededRandom>([this] { return m_clock += 0.37; });
    m_vertexa = std::make_unique<VertexaProgram>(*m_random, PictureFolder(PictureSetFolder::realRoot()));
    m_vertexa->start();
    Pupil::click(Pupil::visibleScreen(Title)->control<CommandButton>(QStringLiteral("Command1")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(only(Menu));
}

void TestRoundTrips::cleanup()
{
    m_vertexa.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Screen *TestRoundTrips::only(const QString &name)
{
    // What the event loop does between two clicks.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<Screen *> shown = Pupil::visibleScreens();
    return shown.size() == 1 && shown.first()->screenName() == name ? shown.first() : nullptr;
}

// Menu, each lesson screen in turn, and back to the menu from every one.
void TestRoundTrips::lessonRound()
{
    auto clickThrough = [this](const QString &from, const char *control, int index, const QString &to) {
        Screen *screen = only(from);
        QVERIFY2(screen, qPrintable(from));
        Pupil::click(screen->control<QWidget>(QLatin1String(control), index));
        QVERIFY2(only(to), qPrintable(to));
    };
    clickThrough(Menu, "Label2", 0, Proof);
    clickThrough(Proof, "cmdexit", NoIndex, Menu);
    clickThrough(Menu, "Label2", 0, Proof);
    clickThrough(Proof, "Label2", NoIndex, TriangleProblems);
    clickThrough(TriangleProblems, "cmdexit", NoIndex, Menu);
    clickThrough(Menu, "Label5", 0, Explorer);
    clickThrough(Explorer, "cmdexit", NoIndex, Menu);
    clickThrough(Menu, "Label5", 0, Explorer);
    clickThrough(Explorer, "Label2", 0, StellatedProblems);
    clickThrough(StellatedProblems, "cmdexit", NoIndex, Menu);
}

// The Jotter opened beside a problems page, drawn on and closed again.
void TestRoundTrips::jotterRound()
{
    Screen *page = Pupil::visibleScreen(TriangleProblems);
    QVERIFY(page);
    Pupil::click(page->control<CommandButton>(QStringLiteral("cmdjotter")));
    Screen *pad = Pupil::visibleScreen(Jotter);
    QVERIFY(pad);
    Pupil::drag(pad, {QPoint(20, 20), QPoint(300, 120), QPoint(600, 30)}, Qt::LeftButton, Qt::NoButton);
    QVERIFY(!pad->drawing().isBlank());
    Pupil::click(pad->control<CommandButton>(QStringLiteral("Command1")));
    QVERIFY(only(TriangleProblems));
}

void TestRoundTrips::visitsLeaveNothingBehind_data()
{
    QTest::addColumn<bool>("jotter");
    QTest::newRow("menu to every lesson screen and back") << false;
    QTest::newRow("Jotter opened, drawn on and closed") << true;
}

void TestRoundTrips::visitsLeaveNothingBehind()
{
    QFETCH(bool, jotter);
    if (jotter) {
        Screen *menu = only(Menu);
        Pupil::click(menu->control<QWidget>(QStringLiteral("Label2"), 0));
        Pupil::click(only(Proof)->control<QWidget>(QStringLiteral("Label2")));
        QVERIFY(only(TriangleProblems));
    }
    const auto round = jotter ? &TestRoundTrips::jotterRound : &TestRoundTrips::lessonRound;
    // Qt's pixmap cache keeps what the style drew, up to its limit: a small
    // limit lets the first rounds fill it, so that what grows after them is
    // the program's own. They also fill the caches every run has (fonts, decoders).
    QPixmapCache::setCacheLimit(256);
    for (int warmUp = 0; warmUp < 20; ++warmUp)
        (this->*round)();
    const qint64 afterFirst = residentKilobytes();
    const int count = rounds();
    for (int i = 1; i < count && !QTest::currentTestFailed(); ++i)
        (this->*round)();
    const qint64 afterLast = residentKilobytes();
    qInfo("%d rounds: resident %lld kB after the first, %lld kB after the last", count, afterFirst, afterLast);
    if (underSanitizer())
        return; // the sanitizer keeps freed memory aside on purpose; LeakSanitizer checks at exit
    // A leak of one screen per round would show as megabytes.
    QVERIFY2(afterLast - afterFirst < 2048, qPrintable(QStringLiteral("grew by %1 kB").arg(afterLast - afterFirst)));
}

QTEST_MAIN(TestRoundTrips)
#include "tst_roundtrips.moc"
