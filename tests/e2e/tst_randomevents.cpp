// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/vertexaapp.h"
#include "common/randomsource.h"
#include "controls/linecontrol.h"
#include "controls/pictureview.h"
#include "jotter/jotterpad.h"
#include "pupil.h"

#include <QAbstractButton>
#include <QPointer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimer>
#include <map>

using namespace ScreenNames;

// The Jotter's save and print dialogs would wait for a hand: here the pupil
// cancels them.
struct CancelledDialogs : PadDialogs
{
    QString savePath(QWidget *, const QString &) override { return {}; }
    bool replaceFile(QWidget *, const QString &) override { return false; }
    bool choosePrinter(QWidget *, QPrinter &) override { return false; }
    void report(QWidget *, const QString &) override { }
};

// Drives the running program with random but legal input, starting it again
// whenever it ends, and checks after every event what must always hold. A
// failure names its seed and the event count that replays it.
class TestRandomEvents : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Pupil::quietenWindowSystem(); }

    // 60,000 events; `make explore` runs 100,000.
    void rulesHoldThroughout()
    {
        const quint32 seed = qEnvironmentVariableIntValue("VERTEXA_EXPLORE_SEED") ?: 1;
        const int events = qEnvironmentVariableIntValue("VERTEXA_EXPLORE_EVENTS") ?: 60000;
        const QString replay = QStringLiteral("replay: VERTEXA_EXPLORE_SEED=%1 VERTEXA_EXPLORE_EVENTS=").arg(seed);
        qInfo("%s%d", qPrintable(replay), events); // a crash prints no failure of its own
        QString failure;
        explore(seed, events, [&](int i) {
            if (const QString why = broken(); !why.isEmpty())
                failure = QStringLiteral("broke a rule: %1\n%2%3").arg(why, replay).arg(i + 1);
            return failure.isEmpty();
        });
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    // A seed replays its run exactly: the animations advance only when the
    // dice say so, never by the wall clock, so a failure found once is found
    // again. After each event the program's dice, the screens showing with
    // their places, each picture by when it was first shown (an animation run
    // on by the clock shows another) and the focus are compared.
    void seedReplaysExactly()
    {
        QList<QStringList> runs(2);
        for (QStringList &run : runs) {
            std::map<qint64, int> pictures;
            explore(7, 5000, [&](int) {
                const QWidget *focus = QApplication::focusWidget();
                QStringList seen{QString::number(m_random->state()), focus ? focus->objectName() : QString()};
                for (Screen *screen : Pupil::shown()) {
                    seen += screen->screenName() + QDebug::toString(screen->geometry());
                    for (PictureView *view : screen->findChildren<PictureView *>())
                        seen += QString::number(
                            pictures.emplace(view->picture().cacheKey(), pictures.size()).first->second);
                }
                run += seen.join(u' ');
                return true;
            });
            cleanup();
        }
        QCOMPARE(runs[1], runs[0]);
    }

    void cleanup()
    {
        m_vertexa.reset(); // before its screens' deferred deletion, which needs the program
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    // Drives the program with `events` events from `seed`, starting it again
    // whenever it ends; after each event `carryOn(i)` says whether to go on.
    template<class CarryOn>
    void explore(quint32 seed, int events, CarryOn carryOn)
    {
        m_dice.seed(seed);
        for (int i = 0; i < events; ++i) {
            if (!m_vertexa || m_vertexa->isFinished()) {
                cleanup();
                m_random = std::make_unique<ClockSeededRandom>(
                    [clock = m_dice.bounded(86400.0)]() mutable { return clock += 0.731; });
                m_vertexa = std::make_unique<VertexaApp>(*m_random, PictureFolder(Pupil::PictureRoot));
                m_vertexa->context().setUrlOpener([](const QUrl &) { return true; });
                m_vertexa->start();
                m_jotterOpen = false;
            }
            watchJotterButtons();
            oneEvent();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            // A Jotter just opened gets its dialogs answered before its menu can be.
            if (auto *pad = qobject_cast<JotterPad *>(m_vertexa->screens().loaded(Jotter)))
                pad->work().setDialogs(std::make_unique<CancelledDialogs>());
            if (!carryOn(i))
                return;
        }
    }

    template<class T>
    T any(const QList<T> &list)
    {
        return list.at(m_dice.bounded(int(list.size())));
    }
    QPoint anyPoint(QWidget *w)
    {
        return {int(m_dice.bounded(qMax(1, w->width()))), int(m_dice.bounded(qMax(1, w->height())))};
    }

    // A click or a drag, a key, a tick of the animations, a close box, or a
    // moment for what the window system queued, in proportions a pupil might.
    void oneEvent()
    {
        const QList<Screen *> shown = Pupil::shown().values();
        const int roll = shown.isEmpty() ? 99 : int(m_dice.bounded(100));
        Screen *screen = shown.isEmpty() ? nullptr : any(shown);
        QPointer<QWidget> focus = QApplication::focusWidget() ?: QApplication::activeWindow();
        if (roll < 50) {
            // Mostly a click on a control, greyed ones too, else anywhere, a drag, or moves with buttons
            // held from before.
            QList<QWidget *> controls = screen->findChildren<QWidget *>();
            controls.removeIf(
                [](QWidget *w) { return !w->isVisible() || qobject_cast<LineControl *>(w) || w->isWindow(); });
            QWidget *on = roll < 30 && !controls.isEmpty() ? any(controls) : screen;
            QList<QPoint> points{on->mapTo(screen, anyPoint(on))};
            for (int i = roll < 34 ? 0 : int(m_dice.bounded(6)); i > 0; --i)
                points.append(anyPoint(screen));
            const auto button = any(QList{Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::NoButton});
            const QStringList before = Pupil::shown().keys();
            Pupil::drag(screen, points, button, roll < 34 ? Qt::NoButton : Qt::MouseButtons(int(m_dice.bounded(8))));
            // A greyed control under the pointer takes a click, and nothing
            // follows: a disabled control, and the menu's entries but the
            // first of each column ("coming soon").
            static const QRegularExpression soon(QStringLiteral("^%1:Label[25]\\((?!0\\))").arg(Menu));
            const bool greyed =
                !on->isEnabled() || soon.match(screen->screenName() + u':' + on->objectName()).hasMatch();
            const QStringList after = Pupil::shown().keys();
            if (points.size() == 1 && greyed && screen->childAt(points[0]) == on && after != before)
                m_greyedLed = QStringLiteral("the greyed %1 led from %2 to %3")
                                  .arg(on->objectName(), before.join(u' '), after.join(u' '));
        } else if (roll < 86 && focus) {
            // Escape, Tab, Backspace, Return, Delete, Left, Up and F1 (edit, move, help), or digits
            // and letters a number may hold or Ctrl makes an edit command of.
            const auto key = Qt::Key(m_dice.bounded(2) ? Qt::Key_Escape + any(QList{0, 1, 3, 4, 7, 0x12, 0x13, 0x30})
                                                       : u"0149ACEHVXZ -."[m_dice.bounded(14)]);
            const Qt::KeyboardModifiers modifiers(
                any(QList{0, 0, 0, int(Qt::ShiftModifier), int(Qt::ControlModifier)}));
            QTest::keyPress(focus, key, modifiers);
            if (focus) // a press may close the window it went to
                QTest::keyRelease(focus, key, modifiers);
        } else if (roll < 98) {
            // One interval of every running animation, as its timer gives it.
            for (Screen *s : shown)
                if (auto *timer = s->control<QTimer>(QStringLiteral("Timer1")); timer && timer->isActive())
                    QMetaObject::invokeMethod(timer, "timeout");
        } else if (roll < 99) {
            screen->close();
        } else {
            QCoreApplication::processEvents(Pupil::WithoutTimers);
        }
    }

    // What must hold after every event; empty if it does, else what broke.
    QString broken()
    {
        if (m_vertexa->isFinished())
            return Pupil::shown().isEmpty() ? QString() : QStringLiteral("windows left after the program ended");
        // One screen besides the Jotter, and every window showing is the one loaded under its name.
        ScreenRegistry &screens = m_vertexa->screens();
        const QStringList loaded = screens.loadedNames();
        if (loaded.size() - int(loaded.contains(Jotter)) > 1)
            return "several screens loaded: " + loaded.join(u' ');
        for (Screen *screen : Pupil::shown()) {
            if (screens.loaded(screen->screenName()) != screen)
                return "a window of an unloaded screen is showing: " + screen->screenName();
            if (!QGuiApplication::primaryScreen()->geometry().contains(screen->frameGeometry().topLeft()))
                return "a window off the display: " + screen->screenName() + QDebug::toString(screen->frameGeometry());
        }
        // The Jotter shows only once a problems page's button opened it, until
        // its own Exit or a lesson's exit button. A page closed by the window
        // system runs no handler and leaves it showing.
        if (Pupil::shown().contains(Jotter) && !m_jotterOpen)
            return QStringLiteral("the Jotter shows, not opened from a problems page or closed since");
        return std::exchange(m_greyedLed, QString());
    }

    // Follows the buttons that open and close the Jotter on every screen
    // showing: a problems page's Jotter button, any exit button, the Jotter's own two.
    void watchJotterButtons()
    {
        static const QRegularExpression watched(QStringLiteral("^(.*:cmd(jotter|exit)|%1:Command[19])$").arg(Jotter));
        for (Screen *screen : Pupil::shown())
            for (QAbstractButton *b : screen->findChildren<QAbstractButton *>())
                if (watched.match(screen->screenName() + u':' + b->objectName()).hasMatch())
                    connect(b, &QAbstractButton::clicked, this, &TestRandomEvents::jotterButton, Qt::UniqueConnection);
    }
    void jotterButton() { m_jotterOpen = sender()->objectName() == u"cmdjotter"; }

    QRandomGenerator m_dice;
    bool m_jotterOpen = false; // by the buttons a pupil pressed
    QString m_greyedLed;       // what a click on a greyed control led to
    std::unique_ptr<ClockSeededRandom> m_random;
    std::unique_ptr<VertexaApp> m_vertexa;
};

QTEST_MAIN(TestRandomEvents)
#include "tst_randomevents.moc"
