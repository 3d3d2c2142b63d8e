// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "support/datarow.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
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

// The X server as the test sees it: properties and places read over a
// connection of the test's own, and waits that sleep until the server
// reports a change.
class XServer
{
public:
    explicit XServer(const QString &display)
        : m_c(xcb_connect(qPrintable(display), nullptr))
        , m_root(isUp() ? xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root : 0)
    {
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_c);
    }
    ~XServer() { xcb_disconnect(m_c); }

    bool isUp() const { return !xcb_connection_has_error(m_c); }
    xcb_window_t root() const { return m_root; }

    // Sleeps until `holds` is true, or false after WaitMs. It looks again on
    // every change the server reports on the root window (the manager's lists,
    // windows mapped and moved), and at least every 200 ms.
    template<class Condition>
    bool waitFor(Condition holds)
    {
        for (const QDeadlineTimer deadline(WaitMs); !holds();) {
            if (deadline.hasExpired() || !isUp())
                return false;
            pollfd fd{xcb_get_file_descriptor(m_c), POLLIN, 0};
            if (poll(&fd, 1, int(qMin<qint64>(200, deadline.remainingTime()))) == 0)
                nudgeManager();
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_c))
                free(event);
        }
        return true;
    }
    // On a heavily loaded machine openbox can fall asleep with a client's map
    // request already read from the server but not handled, until any event
    // comes; on a desktop the pointer soon brings one. A quiet wait brings one
    // too: a property of the test's own set on the root window, which the
    // server reports even when its value stays the same.
    void nudgeManager()
    {
        const xcb_atom_t nudge = atom("_VERTEXA_TEST_NUDGE");
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_root, nudge, XCB_ATOM_CARDINAL, 32, 1, &m_root);
        xcb_flush(m_c);
    }

    // A property's value as it is stored; empty if it is not set.
    QByteArray property(xcb_window_t window, const char *name)
    {
        const auto asked = xcb_get_property(m_c, false, window, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
        const auto reply = own(xcb_get_property_reply(m_c, asked, nullptr));
        const auto *data = reply ? static_cast<const char *>(xcb_get_property_value(reply.get())) : nullptr;
        return data ? QByteArray(data, xcb_get_property_value_length(reply.get())) : QByteArray();
    }
    // A property's 32-bit values (windows, cardinals).
    QList<quint32> values(xcb_window_t window, const char *name)
    {
        const QByteArray data = property(window, name);
        const auto *first = reinterpret_cast<const quint32 *>(data.constData());
        return QList<quint32>(first, first + data.size() / 4);
    }

    // The window titled `title` once the window manager has mapped it (its
    // WM_STATE is NormalState); 0 after WaitMs.
    xcb_window_t mapped(const char *title)
    {
        xcb_window_t found = 0;
        waitFor([&] {
            QList<quint32> windows = children(m_root);
            for (quint32 top : children(m_root))
                windows += children(top); // a frame holds its client
            for (quint32 w : windows)
                if (values(w, "WM_STATE").value(0) == 1 && property(w, "_NET_WM_NAME") == title)
                    found = w;
            return found != 0;
        });
        return found;
    }

    // The window with the frame the window manager reports around it
    // (_NET_FRAME_EXTENTS: left, right, top, bottom), on the display.
    QRect outer(xcb_window_t window)
    {
        const auto size = own(xcb_get_geometry_reply(m_c, xcb_get_geometry(m_c, window), nullptr));
        const auto at = xcb_translate_coordinates(m_c, window, m_root, 0, 0);
        const auto place = own(xcb_translate_coordinates_reply(m_c, at, nullptr));
        QList<quint32> e = values(window, "_NET_FRAME_EXTENTS");
        e.resize(4);
        const QMargins frame{int(e[0]), int(e[2]), int(e[1]), int(e[3])};
        return size && place ? QRect(place->dst_x, place->dst_y, size->width, size->height).marginsAdded(frame)
                             : QRect();
    }

private:
    template<class Reply>
    static std::unique_ptr<Reply, decltype(&free)> own(Reply *reply)
    {
        return {reply, &free};
    }
    xcb_atom_t atom(const char *name)
    {
        const auto reply = own(xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, false, strlen(name), name), nullptr));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    QList<quint32> children(xcb_window_t window)
    {
        const auto tree = own(xcb_query_tree_reply(m_c, xcb_query_tree(m_c, window), nullptr));
        const xcb_window_t *first = tree ? xcb_query_tree_children(tree.get()) : nullptr;
        return first ? QList<quint32>(first, first + xcb_query_tree_children_length(tree.get())) : QList<quint32>();
    }
    xcb_connection_t *m_c;
    xcb_window_t m_root;
};

} // namespace

// The built executable as a desktop starts it: on an X server of the test's
// own (Xvfb) under a real window manager, which draws a border and a caption
// bar around every window, in a Wayland session, and in sessions that start
// oddly. The test's own environment stays as it is: each process it starts
// gets its own.
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
        m_env.remove("WAYLAND_DISPLAY");
        m_env.insert("XDG_SESSION_TYPE", "x11");
        m_env.insert("XDG_RUNTIME_DIR", m_runtime.path());
    }

    // Every process the test started, and every one they started, ends with the test function.
    void cleanup()
    {
        while (!m_started.isEmpty()) { // the program first, the server last
            const std::unique_ptr<QProcess> process(m_started.takeLast());
            process->terminate();
            process->waitForFinished(5000); // else its end kills it
        }
        // What is left was adopted as its parent ended: asked to end, then made to.
        for (const QDeadlineTimer end(10000); !descendants().isEmpty() && !end.hasExpired(); QThread::msleep(10)) {
            for (pid_t pid : descendants())
                kill(pid, end.remainingTime() > 5000 ? SIGTERM : SIGKILL);
            while (waitpid(-1, nullptr, WNOHANG) > 0) { }
        }
        QVERIFY2(descendants().isEmpty(), "processes left running");
    }

    // On a projector's 1024 x 768 the title and the menu come up centred with
    // the frame openbox draws. Xvfb listens on its socket file and on the
    // abstract socket; the file goes, as in some containers and after a /tmp
    // cleaner.
    void framesAreCounted()
    {
        // An X server of the test's own; Xvfb picks a free display and tells which.
        QProcess &xvfb = start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
        while (!xvfb.canReadLine() && xvfb.waitForReadyRead(WaitMs)) { }
        m_env.insert("DISPLAY", ':' + QString::fromLatin1(xvfb.readLine().trimmed()));
        QVERIFY(QFile::remove("/tmp/.X11-unix/X" + m_env.value("DISPLAY").mid(1)));
        XServer x(m_env.value("DISPLAY"));
        // A window manager announces itself on the root window. One that
        // ended before it did gets a second start.
        const auto announced = [&x] { return !x.values(x.root(), "_NET_SUPPORTING_WM_CHECK").isEmpty(); };
        for (int attempt = 0; attempt < 2 && !announced(); ++attempt) {
            QProcess &manager = start("openbox", {});
            x.waitFor([&] { return announced() || manager.state() == QProcess::NotRunning; });
        }
        QVERIFY2(announced(), "openbox did not start");
        // The program, started from its own folder as a pupil's desktop starts it.
        start(VERTEXA_EXECUTABLE, {});
        // Where a window lies with its frame, once there or when the wait is over.
        const auto placed = [&](xcb_window_t w, const QRect &expected) {
            x.waitFor([&] { return x.outer(w) == expected; });
            return x.outer(w);
        };
        const auto centred = [](QSize s) { return QRect(QPoint(1024 - s.width(), 768 - s.height()) / 2, s); };

        // The title keeps its client size and is centred with its frame.
        const xcb_window_t title = x.mapped(" ");
        const QList<quint32> e = x.values(title, "_NET_FRAME_EXTENTS");
        QVERIFY2(e.size() == 4 && e != QList<quint32>(4, 0), "no title screen with a frame drawn around it");
        const QSize frame(int(e[0] + e[1]), int(e[2] + e[3]));
        const QRect middle = centred(QSize(364, 438) + frame);
        QCOMPARE(placed(title, middle), middle);

        // A click on "OK", at (1320 + 1335 / 2, 5910 + 375 / 2) twips in the
        // title: the menu, 12000 x 9000 twips outside, centred.
        QProcess &ok = start("xdotool", {"mousemove", "--window", QString::number(title), "132", "406", "click", "1"});
        QVERIFY(ok.waitForFinished(WaitMs) && ok.exitCode() == 0);
        const QRect menu = centred(QSize(800, 600));
        QCOMPARE(placed(x.mapped("Vertexa Learning"), menu), menu);
    }

    // In a Wayland session with XWayland at hand the program goes through X,
    // where it can place its windows: its title screen is an X window.
    void waylandSessionUsesXWayland()
    {
        QProcess &weston =
            start("weston",
                  {"--backend=headless-backend.so", "--xwayland", "--socket=wayland-vertexa", "--idle-time=0"});
        weston.setReadChannel(QProcess::StandardError);
        // Weston names the X display it serves once it listens on it.
        QString log;
        const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
        while (!log.contains(listening) && weston.waitForReadyRead(WaitMs))
            log += QString::fromLocal8Bit(weston.readAll());
        QVERIFY2(log.contains(listening), qPrintable(log));
        m_env.insert("DISPLAY", listening.match(log).captured(1));
        m_env.insert("WAYLAND_DISPLAY", "wayland-vertexa");
        m_env.insert("XDG_SESSION_TYPE", "wayland");
        start(VERTEXA_EXECUTABLE, {});
        QVERIFY2(XServer(m_env.value("DISPLAY")).mapped(" "), "the title screen is no X window");
    }

    // Where no display answers, a lesson ends in one plain line and a failure
    // status, not an abort; help, the version and a bad option need no display.
    void noDisplayAnswers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // how it begins
        QTest::addColumn<QString>("error");  // the one line's pattern, if one is expected
        addDataRow("a lesson", QStringList(), 1, "", R"(X display ":\d+" and Wayland display ".*/wayland-gone")");
        addDataRow("version", QStringList{"--version"}, 0, "vertexa ", "");
        addDataRow("help", QStringList{"--help"}, 0, "Usage: ", "");
        addDataRow("a bad option", QStringList{"--colour"}, 2, "", ": unknown option 'colour'; the options are --help");
    }
    void noDisplayAnswers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        QFETCH(QString, error);
        int n = 90; // a display no server has locked
        while (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            ++n;
        m_env.insert("DISPLAY", QStringLiteral(":%1").arg(n));
        m_env.insert("WAYLAND_DISPLAY", "wayland-gone");
        m_env.insert("XDG_SESSION_TYPE", "wayland");
        QProcess &program = start(VERTEXA_EXECUTABLE, arguments);
        QVERIFY(program.waitForFinished(WaitMs));
        QTEST(program.exitCode(), "exitCode"); // an abort's is its signal
        QVERIFY(program.readAllStandardOutput().startsWith(output.toUtf8()));
        const QString said = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(said.count(u'\n'), qsizetype(!error.isEmpty()));
        QVERIFY2(said.contains(QRegularExpression(error)), qPrintable(said));
    }

private:
    QProcess &start(const QString &program, const QStringList &arguments)
    {
        QProcess *process = m_started.emplaceBack(new QProcess);
        process->setProcessEnvironment(m_env);
        process->setWorkingDirectory(QStringLiteral(VERTEXA_EXECUTABLE).section(u'/', 0, -2));
        process->start(program, arguments);
        return *process;
    }

    // What the next process started gets: the test's environment without its offscreen platform.
    QProcessEnvironment m_env;
    QTemporaryDir m_runtime; // the sessions' own runtime folder
    QList<QProcess *> m_started;
};

QTEST_GUILESS_MAIN(TestWindowManager)
#include "tst_windowmanager.moc"
