// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

// The bound of every wait: a machine loaded to the full takes seconds to map a window.
constexpr int WaitMs = 30000;

// The test's descendants now, read from /proc. The test is their subreaper,
// so a process whose parent ended still counts.
QList<pid_t> descendants()
{
    QMultiHash<pid_t, pid_t> children;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (entry.toInt() > 0 && stat.open(QIODevice::ReadOnly)) // "pid (name) state ppid ..."
            children.insert(stat.readAll().split(')').last().split(' ').value(2).toInt(), entry.toInt());
    }
    QList<pid_t> found{getpid()};
    for (qsizetype i = 0; i < found.size(); ++i)
        found += children.values(found.at(i));
    return found.mid(1);
}

using Reply = std::unique_ptr<xcb_get_property_reply_t, decltype(&free)>;

// The X server as the test sees it: properties and places read over a
// connection of the test's own, and waits that sleep until the server
// reports a change on a window looked at.
class XServer
{
public:
    explicit XServer(const QString &display)
        : m_c(xcb_connect(qPrintable(display), nullptr))
    {
        if (isUp())
            m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
    }
    ~XServer() { xcb_disconnect(m_c); }

    bool isUp() const { return !xcb_connection_has_error(m_c); }
    xcb_window_t root() const { return m_root; }

    // Sleeps until `holds` is true, or false after WaitMs. It looks again on
    // every event of a window it has looked at, and at least every 200 ms.
    template<class Condition>
    bool waitFor(Condition holds)
    {
        const QDeadlineTimer deadline(WaitMs);
        while (!holds()) {
            if (deadline.hasExpired() || !isUp())
                return false;
            xcb_generic_event_t *event = xcb_poll_for_queued_event(m_c);
            if (!event) {
                pollfd fd{xcb_get_file_descriptor(m_c), POLLIN, 0};
                poll(&fd, 1, int(qMin<qint64>(200, deadline.remainingTime())));
            }
            for (; event; event = xcb_poll_for_event(m_c))
                free(event);
        }
        return true;
    }

    // A property's 32-bit values (windows, cardinals); empty if it is not set.
    QList<quint32> values(xcb_window_t window, const char *name)
    {
        const Reply reply = property(window, name);
        const auto *data =
            reply && reply->format == 32 ? static_cast<quint32 *>(xcb_get_property_value(reply.get())) : nullptr;
        return data ? QList<quint32>(data, data + xcb_get_property_value_length(reply.get()) / 4) : QList<quint32>();
    }

    // The program's viewable window titled `title`, other than `besides`; 0 if
    // there is none yet. A managed window is one the window manager lists and frames.
    xcb_window_t window(qint64 pid, const QString &title, bool managed, xcb_window_t besides = 0)
    {
        QList<quint32> candidates = managed ? values(m_root, "_NET_CLIENT_LIST") : children(m_root);
        if (!managed)
            for (quint32 top : children(m_root))
                candidates += children(top);
        for (quint32 w : candidates) {
            watch(w);
            const Reply name = property(w, "_NET_WM_NAME");
            if (w != besides && values(w, "_NET_WM_PID") == QList<quint32>{quint32(pid)} && name &&
                QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(name.get())),
                                  xcb_get_property_value_length(name.get())) == title &&
                isViewable(w) && (!managed || values(w, "_NET_FRAME_EXTENTS").size() == 4))
                return w;
        }
        return 0;
    }

    // A panel along the bottom of the display, as a desktop's task bar is: a
    // dock that keeps `height` pixels for itself (_NET_WM_STRUT_PARTIAL).
    void addPanel(QSize display, int height)
    {
        const xcb_window_t panel = xcb_generate_id(m_c);
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        xcb_create_window(m_c,
                          XCB_COPY_FROM_PARENT,
                          panel,
                          m_root,
                          0,
                          int16_t(display.height() - height),
                          uint16_t(display.width()),
                          uint16_t(height),
                          0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          screen->root_visual,
                          0,
                          nullptr);
        const xcb_atom_t dock = atom("_NET_WM_WINDOW_TYPE_DOCK");
        xcb_change_property(m_c,
                            XCB_PROP_MODE_REPLACE,
                            panel,
                            atom("_NET_WM_WINDOW_TYPE"),
                            XCB_ATOM_ATOM,
                            32,
                            1,
                            &dock);
        const uint32_t strut[12]{0, 0, 0, uint32_t(height), 0, 0, 0, 0, 0, 0, 0, uint32_t(display.width() - 1)};
        xcb_change_property(m_c,
                            XCB_PROP_MODE_REPLACE,
                            panel,
                            atom("_NET_WM_STRUT_PARTIAL"),
                            XCB_ATOM_CARDINAL,
                            32,
                            12,
                            strut);
        xcb_map_window(m_c, panel);
        xcb_flush(m_c);
    }

    // The frame the window manager reports around a window (_NET_FRAME_EXTENTS: left, right, top, bottom).
    QMargins frame(xcb_window_t window)
    {
        const QList<quint32> e = values(window, "_NET_FRAME_EXTENTS");
        return e.size() == 4 ? QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3])) : QMargins();
    }

    // The window with its frame, on the display.
    QRect outer(xcb_window_t window)
    {
        const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&free)> size(
            xcb_get_geometry_reply(m_c, xcb_get_geometry(m_c, window), nullptr),
            &free);
        const std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&free)> at(
            xcb_translate_coordinates_reply(m_c, xcb_translate_coordinates(m_c, window, m_root, 0, 0), nullptr),
            &free);
        return size && at ? QRect(at->dst_x, at->dst_y, size->width, size->height).marginsAdded(frame(window))
                          : QRect();
    }

private:
    xcb_atom_t atom(const char *name)
    {
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
            xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, false, uint16_t(strlen(name)), name), nullptr),
            &free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    Reply property(xcb_window_t window, const char *name)
    {
        watch(window);
        return {
            xcb_get_property_reply(m_c,
                                   xcb_get_property(m_c, false, window, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                                   nullptr),
            &free};
    }
    QList<quint32> children(xcb_window_t window)
    {
        const std::unique_ptr<xcb_query_tree_reply_t, decltype(&free)> tree(
            xcb_query_tree_reply(m_c, xcb_query_tree(m_c, window), nullptr),
            &free);
        return tree ? QList<quint32>(xcb_query_tree_children(tree.get()),
                                     xcb_query_tree_children(tree.get()) + xcb_query_tree_children_length(tree.get()))
                    : QList<quint32>();
    }
    bool isViewable(xcb_window_t window)
    {
        const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&free)> a(
            xcb_get_window_attributes_reply(m_c, xcb_get_window_attributes(m_c, window), nullptr),
            &free);
        return a && a->map_state == XCB_MAP_STATE_VIEWABLE;
    }
    // Asks for the events that tell of a change to the window: its properties,
    // mapping and place, and of the windows below it.
    void watch(xcb_window_t window)
    {
        if (m_watched.contains(window))
            return;
        m_watched.insert(window);
        const uint32_t mask =
            XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, window, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_c);
    }

    xcb_connection_t *m_c;
    xcb_window_t m_root = 0;
    QSet<xcb_window_t> m_watched;
};

QRect centred(QSize display, QSize outer)
{
    return QRect(
        QPoint(qRound((display.width() - outer.width()) / 2.0), qRound((display.height() - outer.height()) / 2.0)),
        outer);
}

} // namespace

// The built executable on an X server of the test's own (Xvfb) under a real
// window manager, which draws a border and a caption bar around every window:
// the sizes and places the program sets are those of the whole window, frame
// included, and the Jotter stays above the page the pupil works on. The test's
// own environment stays as it is: each process it starts gets its own.
class TestWindowManager : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Whatever a started process starts in turn comes back to the test when
    // its parent ends, to be ended too.
    void initTestCase() { QVERIFY(prctl(PR_SET_CHILD_SUBREAPER, 1) == 0); }

    void init()
    {
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.remove("QT_QPA_PLATFORM");
    }

    // Every process the test started, and every one they started, ends with the test function.
    void cleanup()
    {
        while (!m_started.isEmpty()) // the program first, the server last
            end(m_started.takeLast());
        for (int signal : {SIGTERM, SIGKILL}) {
            const QList<pid_t> left = descendants();
            for (pid_t pid : left)
                kill(pid, signal);
            const QDeadlineTimer deadline(5000);
            for (pid_t pid : left)
                while (waitpid(pid, nullptr, WNOHANG) == 0 && !deadline.hasExpired())
                    QThread::msleep(10);
        }
        QVERIFY2(descendants().isEmpty(), "processes left running");
    }

    // A projector's 1024 x 768 with a task bar leaves the tall Jotter no room
    // at its place: it is moved up and its drawing area shortened to the bar.
    void framesAreCounted_data()
    {
        QTest::addColumn<QSize>("display");
        QTest::addColumn<int>("panel"); // pixels at the bottom
        QTest::addColumn<QRect>("tall");
        QTest::newRow("1280x1024") << QSize(1280, 1024) << 0 << QRect(10, 36, 267, 800);
        QTest::newRow("1024x768, a panel") << QSize(1024, 768) << 32 << QRect(10, 0, 267, 736);
    }
    void framesAreCounted()
    {
        QFETCH(QSize, display);
        QFETCH(int, panel);
        QFETCH(QRect, tall);
        // Xvfb picks a free display and tells us which.
        const QString size = QStringLiteral("%1x%2x24").arg(display.width()).arg(display.height());
        QProcess &server = start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", size});
        while (!server.canReadLine() && server.waitForReadyRead(WaitMs)) { }
        QVERIFY2(server.canReadLine(), "Xvfb did not start");
        m_env.insert("DISPLAY", ':' + QString::fromLatin1(server.readLine().trimmed()));
        m_env.insert("XDG_SESSION_TYPE", "x11");
        m_env.remove("WAYLAND_DISPLAY");
        XServer x(m_env.value("DISPLAY"));
        QVERIFY2(x.isUp(), "no connection to Xvfb");
        // The panel is there before the manager, which takes it in as it starts.
        if (panel)
            x.addPanel(display, panel);
        // A window manager announces itself on the root window. One that
        // ended before it did gets a second start.
        const auto announced = [&x] { return !x.values(x.root(), "_NET_SUPPORTING_WM_CHECK").isEmpty(); };
        for (int attempt = 0; attempt < 2 && !announced(); ++attempt) {
            QProcess &manager = start("openbox", {});
            x.waitFor([&] { return announced() || manager.state() == QProcess::NotRunning; });
        }
        QVERIFY2(announced(), "openbox did not start");
        if (panel) {
            QVERIFY2(x.waitFor([&] {
                return x.values(x.root(), "_NET_WORKAREA").value(3) == quint32(display.height() - panel);
            }),
                     "the panel leaves the work area as it was");
        }
        // The program, started from its own folder as a pupil's desktop starts it.
        QProcess &program = start(VERTEXA_EXECUTABLE, {});
        const qint64 pid = program.processId();
        // Each window is looked for once the window manager has mapped and framed it.
        const auto managed = [&](const QString &title, xcb_window_t besides = 0) {
            xcb_window_t found = 0;
            x.waitFor([&] { return (found = x.window(pid, title, true, besides)) != 0; });
            return found;
        };
        const auto placed = [&](xcb_window_t w, const QRect &expected) {
            x.waitFor([&] { return x.outer(w) == expected; });
            return x.outer(w) == expected ? QString()
                                          : QDebug::toString(x.outer(w)) + ", expected " + QDebug::toString(expected);
        };

        // The title keeps its client size and is centred with its frame.
        const xcb_window_t title = managed(" ");
        QVERIFY2(title, "no title screen");
        const QMargins edges = x.frame(title);
        QVERIFY2(!edges.isNull(), "the window manager draws no frame");
        QCOMPARE(placed(title, centred(display, QSize(364, 438).grownBy(edges))), QString());

        // "OK": the menu, 12000 x 9000 twips outside, centred.
        QVERIFY(click(title, 1320 + 1335 / 2, 6000 - 90 + 375 / 2));
        const xcb_window_t menu = managed("Vertexa Learning");
        QVERIFY2(menu, "no menu");
        QCOMPARE(placed(menu, centred(display, QSize(800, 600))), QString());

        // "The Angles of a Triangle", then "Problems Page": a lesson screen of the same size and place.
        QVERIFY(click(menu, 360 + 5355 / 2, 2520 + 495 / 2));
        const xcb_window_t proof = managed("The Angles of a Triangle");
        QVERIFY2(proof, "no proof");
        QCOMPARE(placed(proof, centred(display, QSize(800, 600))), QString());
        QVERIFY(click(proof, 4560 + 3315 / 2, 7920 + 495 / 2));
        const xcb_window_t page = managed("The Angles of a Triangle", proof);
        QVERIFY2(page, "no problems page");
        QCOMPARE(placed(page, centred(display, QSize(800, 600))), QString());

        // The Jotter at (150, 540) twips outside, its client area as defined;
        // each flip sets its outer size and keeps its place.
        QVERIFY(click(page, 10050 + 1785 / 2, 7455 + 495 / 2));
        const xcb_window_t jotter = managed("Jotter");
        QVERIFY2(jotter, "no Jotter");
        QCOMPARE(placed(jotter, QRect(QPoint(10, 36), QSize(661, 244).grownBy(edges))), QString());
        QVERIFY(click(jotter, 4305 + 585 / 2, 2910 + 180 + 480 / 2));
        QCOMPARE(placed(jotter, tall), QString());
        QVERIFY(click(jotter, 2885 + 60 + 930 / 2, 2280 + 480 / 2));
        QCOMPARE(placed(jotter, QRect(10, 36, 667, 276)), QString());

        // A click on the page gives it the focus; the Jotter stays above it.
        QVERIFY(click(page, 900, 3750));
        QVERIFY2(x.waitFor([&] { return x.values(x.root(), "_NET_ACTIVE_WINDOW") == QList<quint32>{page}; }),
                 "the page did not become active");
        const QList<quint32> stack = x.values(x.root(), "_NET_CLIENT_LIST_STACKING");
        QVERIFY2(stack.contains(page) && stack.indexOf(jotter) > stack.indexOf(page),
                 qPrintable(QDebug::toString(stack)));
    }

    // In a Wayland session with XWayland at hand the program goes through X,
    // where it can place its windows: its title screen is an X window.
    void waylandSessionUsesXWayland()
    {
        QTemporaryDir runtime;
        QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        m_env.insert("XDG_RUNTIME_DIR", runtime.path());
        QProcess &weston =
            start("weston",
                  {"--backend=headless-backend.so", "--xwayland", "--socket=wayland-vertexa", "--idle-time=0"});
        weston.setReadChannel(QProcess::StandardError);
        // Weston names the X display it serves once it listens on it.
        QString log;
        const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
        const QDeadlineTimer deadline(WaitMs);
        while (!log.contains(listening) && weston.waitForReadyRead(int(deadline.remainingTime())))
            log += QString::fromLocal8Bit(weston.readAllStandardError());
        QVERIFY2(log.contains(listening), qPrintable(log));
        m_env.insert("DISPLAY", listening.match(log).captured(1));
        m_env.insert("WAYLAND_DISPLAY", "wayland-vertexa");
        m_env.insert("XDG_SESSION_TYPE", "wayland");
        const qint64 pid = start(VERTEXA_EXECUTABLE, {}).processId();
        XServer x(m_env.value("DISPLAY"));
        QVERIFY2(x.isUp(), "no connection to XWayland");
        QVERIFY2(x.waitFor([&] { return x.window(pid, " ", false) != 0; }), "the title screen is no X window");
    }

private:
    QProcess &start(const QString &program, const QStringList &arguments)
    {
        auto *process = new QProcess(this);
        process->setProcessEnvironment(m_env);
        process->setWorkingDirectory(QStringLiteral(VERTEXA_EXECUTABLE).section(u'/', 0, -2));
        process->start(program, arguments);
        process->waitForStarted(WaitMs);
        m_started.append(process);
        return *process;
    }

    // Asks a process to end, then makes it.
    static void end(QProcess *process)
    {
        process->terminate();
        if (!process->waitForFinished(5000)) {
            process->kill();
            process->waitForFinished(5000);
        }
        delete process;
    }

    // A click at a point of the window's client area, in twips.
    bool click(xcb_window_t window, int x, int y)
    {
        QProcess xdotool;
        xdotool.setProcessEnvironment(m_env);
        xdotool.start("xdotool",
                      {"mousemove",
                       "--window",
                       QString::number(window),
                       QString::number(x / 15),
                       QString::number(y / 15),
                       "click",
                       "1"});
        return xdotool.waitForFinished(WaitMs) && xdotool.exitCode() == 0;
    }

    // What the next process started gets: the test's environment without its offscreen platform.
    QProcessEnvironment m_env;
    QList<QProcess *> m_started;
};

QTEST_GUILESS_MAIN(TestWindowManager)
#include "tst_windowmanager.moc"
