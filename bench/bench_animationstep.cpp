// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
//
// What one animation step of the triangle problems page costs (read the
// frame file, decode it, show it and paint it), set against decoding the
// same bytes alone, and as a share of the page's 50 ms tick. On a fine
// display the step reads the frame's fine twin as well. Prints figures;
// never fails.
#include "app/screenset.h"
#include "common/colourtable.h"
#include "common/framesequence.h"
#include "common/picturefile.h"
#include "common/randomsource.h"
#include "controls/pictureview.h"
#include "handtick.h"
#include "problems/problemspage.h"
#include "screens/screencontext.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Rounds = 600;
constexpr double TickMs = 50.0;

// Frames of the real size with something like a drawing on them, so the
// decoder has real work to do.
void writeStandInFrames(const QString &root)
{
    QDir(root).mkpath(QStringLiteral("tri2sm"));
    QRandomGenerator noise(7);
    for (int frame = 0; frame < FrameSequences::Triangle.count; ++frame) {
        QImage image(324, 244, QImage::Format_RGB32);
        image.fill(Colours::StyledWindow);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Colours::Yellow, 3));
        const double t = frame / double(FrameSequences::Triangle.count);
        painter.drawPolygon(QPolygonF{{40, 210}, {284, 210}, {60 + 200 * t, 30}});
        for (int i = 0; i < 400; ++i)
            image.setPixelColor(noise.bounded(324), noise.bounded(244), QColor::fromRgb(noise.generate()));
        painter.end();
        QString relative = FrameSequences::Triangle.fileName(frame);
        relative.replace(u'\\', u'/');
        QImageWriter writer(QDir(root).filePath(relative), "jpeg");
        writer.setQuality(85);
        writer.write(image);
    }
}

struct Figures
{
    double medianUs;
    double meanUs;
};

Figures summarise(std::vector<double> us)
{
    std::sort(us.begin(), us.end());
    double sum = 0;
    for (double v : us)
        sum += v;
    return {us[us.size() / 2], sum / us.size()};
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir standIn;
    QString root = QStringLiteral(VERTEXA_PROGRAM_DIR);
    QString source = QStringLiteral("the generated picture set in ") + root;
    if (PictureFolder(root).resolve(FrameSequences::Triangle.fileName(0)).isEmpty()) {
        root = standIn.path();
        writeStandInFrames(root);
        source = QStringLiteral("stand-in frames, 324 x 244 JPEG");
    }
    const PictureFolder pictures(root);

    ClockSeededRandom random;
    ScreenContext context(random, pictures);
    registerProgramScreens(context.screens());
    context.screens().show(QStringLiteral("angtri"));
    auto *page = context.screens().screenAs<ProblemsPage>(QStringLiteral("angtri"));
    if (!page) {
        std::fprintf(stderr, "the triangle problems page did not open\n");
        return 0;
    }
    // Steps are driven by hand; the page's own ticks would only add noise.
    auto *timer = page->control<QTimer>(QStringLiteral("Timer1"));
    HandTick::holdBack(timer);
    auto *box = page->control<ImageBox>(QStringLiteral("Image2"));
    QCoreApplication::processEvents();

    // Every file read once ahead, so both measurements start from a warm disk cache.
    std::vector<QByteArray> bytes;
    for (const QString &name : FrameSequences::Triangle.fileNames()) {
        QFile file(pictures.resolve(name));
        file.open(QIODevice::ReadOnly);
        bytes.push_back(file.readAll());
    }

    std::vector<double> step, decode;
    QElapsedTimer clock;
    for (int round = 0; round < Rounds; ++round) {
        clock.start();
        HandTick::tick(timer);
        box->repaint();
        step.push_back(clock.nsecsElapsed() / 1000.0);

        // The page starts at frame 0 and only these steps move it.
        const int frame = (round + 1) % FrameSequences::Triangle.count;
        clock.start();
        const QImage decoded = decodePicture(bytes[std::size_t(frame)]);
        decode.push_back(clock.nsecsElapsed() / 1000.0);
        if (decoded.isNull())
            std::fprintf(stderr, "frame %d did not decode\n", frame);
    }

    const Figures s = summarise(step);
    const Figures d = summarise(decode);
    QTextStream out(stdout);
    out << "Animation step of the triangle page, " << Rounds << " steps over " << source << ", display ratio "
        << page->devicePixelRatioF() << " (QT_SCALE_FACTOR=2 for a fine display)\n";
    out << QStringLiteral("  step (read + decode + show + paint): median %1 us, mean %2 us\n")
               .arg(s.medianUs, 0, 'f', 1)
               .arg(s.meanUs, 0, 'f', 1);
    out << QStringLiteral("  bare decode of the same bytes:       median %1 us, mean %2 us\n")
               .arg(d.medianUs, 0, 'f', 1)
               .arg(d.meanUs, 0, 'f', 1);
    out << QStringLiteral("  step / decode: %1x; step takes %2% of the %3 ms tick\n")
               .arg(s.medianUs / d.medianUs, 0, 'f', 2)
               .arg(100.0 * s.medianUs / (TickMs * 1000.0), 0, 'f', 2)
               .arg(TickMs);
    return 0;
}
