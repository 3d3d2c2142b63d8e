// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/vertexaapp.h"
#include "common/randomsource.h"
#include "pupil.h"

#include <QPixmapCache>
#include <malloc.h>
#include <unistd.h>

using namespace ScreenNames;

// Resident memory of this process, in kilobytes, once freed memory has been
// handed back.
static qint64 residentKilobytes()
{
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    return statm.open(QIODevice::ReadOnly)
               ? statm.readAll().split(' ').value(1).toLongLong() * (sysconf(_SC_PAGESIZE) / 1024)
               : -1;
}

// Thousands of visits leave nothing behind: every screen and every Jotter
// goes when it is left (LeakSanitizer checks the sanitizer build), and the
// memory in use after the last round is what it was after the first.
// VERTEXA_ROUNDS sets the count.
#ifdef VERTEXA_SANITIZED
// LeakSanitizer names a leak after a single round; many rounds only cost time.
constexpr int DefaultRounds = 100;
#else
constexpr int DefaultRounds = 1000;
#endif

class TestRoundTrips : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Pupil::prepare(); }

    void visitsLeaveNothingBehind()
    {
        ClockSeededRandom random([clock = 0.0]() mutable { return clock += 0.37; });
        VertexaApp vertexa(random, PictureFolder(Pupil::pictureRoot()));
        vertexa.start();
        Pupil::walk({{Title, "Command1", Menu}});
        // Qt's pixmap cache keeps what the style drew, up to its limit: a small
        // limit lets the first rounds fill it, so that what grows after them is
        // the program's own. They also fill the caches every run has (fonts, decoders).
        QPixmapCache::setCacheLimit(256);
        const int warmUp = 20, rounds = qEnvironmentVariableIsSet("VERTEXA_ROUNDS")
                                            ? qEnvironmentVariableIntValue("VERTEXA_ROUNDS")
                                            : DefaultRounds;
        qint64 afterFirst = 0;
        for (int i = 1; i < warmUp + rounds && !QTest::currentTestFailed(); ++i) {
            Pupil::walk(Pupil::lessonRoute());
            afterFirst = i == warmUp ? residentKilobytes() : afterFirst;
        }
        if (QTest::currentTestFailed())
            return;
        const qint64 growth = residentKilobytes() - afterFirst;
        qInfo("%d rounds: resident memory grew by %lld kB after the first", rounds, growth);
#ifndef VERTEXA_SANITIZED // the sanitizer keeps freed memory aside on purpose; LeakSanitizer checks at exit
        // A leak of one screen per round would show as megabytes.
        QVERIFY2(growth < 2048, qPrintable(QStringLiteral("grew by %1 kB").arg(growth)));
#endif
    }
};

QTEST_MAIN(TestRoundTrips)
#include "tst_roundtrips.moc"
