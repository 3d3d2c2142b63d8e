// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>

namespace {

constexpr int DisplayWidth = 1024;
constexpr int DisplayHeight = 768;
// The title screen's client area, and the middle of its "Exit" button
// (2760, 6000 inside a frame at 0, -90; 1335 x 375), in pixels.
constexpr QSize TitleClient(5460 / 15, 6570 / 15);
constexpr QPoint ExitButton((2760 + 1335 / 2) / 15, (6000 - 90 + 375 / 2) / 15);

// Reads the screen dump xwd writes: a big-endian header, a colour map and
// the pixels of a true-colour display.
QImage readXwd(const QByteArray &bytes)
{
    constexpr int HeaderWords = 25;
    if (bytes.size() < HeaderWords * 4)
        return {};
    const auto word = [&bytes](int i) { return qFromBigEndian<quint32>(bytes.constData() + 4 * i); };
    const quint32 headerSize = word(0), width = word(4), height = word(5), byteOrder = word(7);
    const quint32 bitsPerPixel = word(11), bytesPerLine = word(12), colours = word(19);
    const quint32 masks[3] = {word(14), word(15), word(16)};
    const qsizetype start = qsizetype(headerSize) + qsizetype(colours) * 12;
    const quint32 stride = bitsPerPixel / 8;
    if ((stride != 3 && stride != 4) || bytesPerLine < stride * width || start + qsizetype(bytesPerLine) * height > bytes.size())
        return {};
    const auto channel = [](quint32 pixel, quint32 mask) {
        int shift = 0;
        while (mask && !(mask & 1)) {
            mask >>= 1;
            ++shift;
        }
        return int((pixel >> shift) & 0xff);
    };
    QImage image(int(width), int(height), QImage::Format_RGB32);
    for (quint32 y = 0; y < height; ++y) {
        const char *line = bytes.constData() + start + qsizetype(y) * bytesPerLine;
        for (quint32 x = 0; x < width; ++x) {
            const uchar *p = reinterpret_cast<const uchar *>(line + stride * x);
            quint32 pixel = 0;
            for (quint32 i = 0; i < stride; ++i)
                pixel |= quint32(p[i]) << (8 * (byteOrder == 0 ? i : stride - 1 - i));
            image.setPixel(int(x), int(y), qRgb(channel(pixel, masks[0]), channel(pixel, masks[1]), channel(pixel, masks[2])));
        }
    }
    return image;
}

} // namespace

// The built program on a real X server: it opens its centred title screen,
// shows its pictures, and "Exit" ends it cleanly.
class TestExecutable : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void exitEndsTheProgram();

private:
    QString x(const QStringList &arguments);

    QProcess m_server;
    QString m_display;
};

void TestExecutable::initTestCase()
{
    for (const char *tool : {"Xvfb", "xdotool", "xwd"})
        QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(), qPrintable(QStringLiteral("%1 is missing: make deps").arg(tool)));
    // Xvfb picks a free display and tells us which.
    m_server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                            QStringLiteral("-screen"), QStringLiteral("0"),
                                            QStringLiteral("%1x%2x24").arg(DisplayWidth).arg(DisplayHeight)});
    QVERIFY(m_server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(m_server.canReadLine(), 20000);
    m_display = u':' + QString::fromLatin1(m_server.readLine()).trimmed();
    QVERIFY(m_display.size() > 1);
}

void TestExecutable::cleanupTestCase()
{
    m_server.terminate();
    m_server.waitForFinished();
}

QString TestExecutable::x(const QStringList &arguments)
{
    QProcess tool;
    QStringList all = arguments;
    const QString program = all.takeFirst();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    tool.setProcessEnvironment(env);
    tool.start(program, all);
    if (!tool.waitForFinished(20000) || tool.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

void TestExecutable::exitEndsTheProgram()
{
    const QString executable = QStringLiteral(VERTEXA_EXECUTABLE);
    QProcess vertexa;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    vertexa.setProcessEnvironment(env);
    // Started from its own folder, as a pupil's desktop starts it.
    vertexa.setWorkingDirectory(QFileInfo(executable).absolutePath());
    vertexa.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    vertexa.start(executable, {});
    QVERIFY(vertexa.waitForStarted());

    QString window;
    for (int tries = 0; tries < 200 && window.isEmpty(); ++tries) {
        window = x({QStringLiteral("xdotool"), QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                    QString::number(vertexa.processId())})
                     .split(u'\n', Qt::SkipEmptyParts)
                     .value(0);
        if (window.isEmpty())
            QTest::qWait(100);
    }
    QVERIFY2(!window.isEmpty(), "the title screen appears");

    // The caption is the title screen's own: one blank, nothing added.
    QCOMPARE(x({QStringLiteral("xdotool"), QStringLiteral("getwindowname"), window}), QStringLiteral(" \n"));

    // Centred on the display, at its defined size (no window manager, so
    // the outer size is the client size).
    const QString geometry = x({QStringLiteral("xdotool"), QStringLiteral("getwindowgeometry"), window});
    const QRegularExpression numbers(QStringLiteral("Position: (\\d+),(\\d+).*Geometry: (\\d+)x(\\d+)"), QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = numbers.match(geometry);
    QVERIFY2(m.hasMatch(), qPrintable(geometry));
    const QRect placed(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
    QCOMPARE(placed.size(), TitleClient);
    QCOMPARE(placed.topLeft(), QPoint((DisplayWidth - TitleClient.width()) / 2, (DisplayHeight - TitleClient.height()) / 2));

    // What the pupil sees: the animation shows a picture, not the empty box.
    const QString dump = QDir::temp().filePath(QStringLiteral("vertexa-title.xwd"));
    QFile::remove(dump);
    x({QStringLiteral("xwd"), QStringLiteral("-root"), QStringLiteral("-silent"), QStringLiteral("-out"), dump});
    QFile file(dump);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QImage screen = readXwd(file.readAll());
    QVERIFY(!screen.isNull());
    screen.save(QDir::temp().filePath(QStringLiteral("vertexa-title.png")));
    const QImage title = screen.copy(placed);
    const QRect picture(300 / 15, (1320 - 90) / 15, 4800 / 15, 3600 / 15);
    QSet<QRgb> colours;
    for (int y = picture.top(); y <= picture.bottom(); y += 4) {
        for (int x = picture.left(); x <= picture.right(); x += 4)
            colours.insert(title.pixel(x, y));
    }
    QVERIFY2(colours.size() > 20, "the title animation shows a picture");

    x({QStringLiteral("xdotool"), QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(ExitButton.x()),
       QString::number(ExitButton.y()), QStringLiteral("click"), QStringLiteral("1")});
    QVERIFY2(vertexa.waitForFinished(10000), "Exit ends the program");
    QCOMPARE(vertexa.exitStatus(), QProcess::NormalExit);
    QCOMPARE(vertexa.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestExecutable)
#include "tst_executable.moc"
