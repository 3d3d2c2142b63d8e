// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/vertexaapp.h"
#include "common/randomsource.h"
#include "pupil.h"
#include "screens/linecontrol.h"
#include "screens/textbox.h"

#include <QClipboard>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>
#include <memory>

using namespace ScreenNames;

// Texts a pupil might paste: far too long, foreign, invisible, or numbers that read strangely.
static const QStringList HostileTexts =
    QStringLiteral("-1E400|1D-400|&HFFFFFFFFFFFFFFFFFFFF|&O7777777777777777777777|4 5|45°|"
                   "\t\n\r\x1b\x7f"
                   "45|٤٥|𝟜𝟝 🙂 \u202e54|e\u0301\u0301|.|-|1e|NaN")
        .split(u'|') +
    QStringList{QString(10000, u'9'), QString(QChar(0)) + "45", QString(300, u'-') + "1"};
// Keys that edit or move; besides them digits and letters a number may hold or Ctrl makes an edit command of.
static const QList<Qt::Key> Keys{Qt::Key_Tab,
                                 Qt::Key_Escape,
                                 Qt::Key_Return,
                                 Qt::Key_Backspace,
                                 Qt::Key_Delete,
                                 Qt::Key_Left,
                                 Qt::Key_Up,
                                 Qt::Key_F1};
static const QString Typed = QStringLiteral("0149ACEHVXZ -.");

// Drives the running program with random but legal input, starting it again
// whenever it ends, and checks after every event what must always hold. A
// failure names its seed and the event count that replays it.
class TestRandomEvents : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Pupil::prepare(); }

    // 60,000 events; `make explore` runs 100,000.
    void rulesHoldThroughout()
    {
        const quint32 seed = qEnvironmentVariableIntValue("VERTEXA_EXPLORE_SEED") ?: 1;
        const int events = qEnvironmentVariableIntValue("VERTEXA_EXPLORE_EVENTS") ?: 60000;
        const QString replay = QStringLiteral("replay: VERTEXA_EXPLORE_SEED=%1 VERTEXA_EXPLORE_EVENTS=").arg(seed);
        qInfo("%s%d", qPrintable(replay), events); // a crash prints no failure of its own
        m_dice.seed(seed);
        int starts = 0;
        QStringList missed = screenNames();
        for (int i = 0; i < events; ++i) {
            if (!m_vertexa || m_vertexa->isFinished()) {
                cleanup();
                m_random = std::make_unique<ClockSeededRandom>(
                    [clock = m_dice.bounded(86400.0)]() mutable { return clock += 0.731; });
                m_vertexa = std::make_unique<VertexaApp>(*m_random, PictureFolder(Pupil::pictureRoot()));
                m_vertexa->context().setUrlOpener([](const QUrl &) { return true; });
                m_vertexa->start();
                ++starts;
            }
            oneEvent();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            for (Screen *screen : Pupil::visibleScreens())
                missed.removeAll(screen->screenName());
            if (const QString why = broken(); !why.isEmpty())
                QFAIL(qPrintable(QStringLiteral("broke a rule: %1\n%2%3").arg(why, replay).arg(i + 1)));
        }
        // The rules mean something only if the pupil went everywhere and out
        // again, which a long run does and a short replay need not.
        if (events >= 20000)
            QVERIFY2(starts > 1 && missed.isEmpty(),
                     qPrintable(QStringLiteral("never on screen: ") + missed.join(u' ')));
    }

    void cleanup()
    {
        m_vertexa.reset(); // before its screens' deferred deletion, which needs the program
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    template<class T>
    T any(const QList<T> &list)
    {
        return list.at(qsizetype(m_dice.bounded(quint64(list.size()))));
    }
    QPoint anyPoint(QWidget *widget)
    {
        return {int(m_dice.bounded(qMax(1, widget->width()))), int(m_dice.bounded(qMax(1, widget->height())))};
    }

    // A click or a drag, a key, a paste, a tick of the animations, a close
    // box, or a moment for the real timers, in proportions a pupil might.
    void oneEvent()
    {
        const QList<Screen *> shown = Pupil::visibleScreens();
        const int roll = shown.isEmpty() ? 99 : int(m_dice.bounded(100));
        Screen *screen = shown.isEmpty() ? nullptr : any(shown);
        QPointer<QWidget> focus = QApplication::focusWidget() ?: QApplication::activeWindow();
        if (roll < 50) {
            // Mostly a click on a control, else anywhere, a drag, or moves with buttons held from before.
            QList<QWidget *> controls = screen->findChildren<QWidget *>();
            controls.removeIf([](QWidget *w) {
                return !w->isVisible() || !w->isEnabled() || qobject_cast<LineControl *>(w) || w->isWindow();
            });
            QWidget *on = roll < 30 && !controls.isEmpty() ? any(controls) : screen;
            QList<QPoint> points{on->mapTo(screen, anyPoint(on))};
            for (int i = roll < 34 ? 0 : int(m_dice.bounded(6)); i > 0; --i)
                points.append(anyPoint(screen));
            const auto button = any(QList{Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::NoButton});
            Pupil::drag(screen, points, button, roll < 34 ? Qt::NoButton : Qt::MouseButtons(int(m_dice.bounded(8))));
        } else if (roll < 78 && focus) {
            const Qt::Key key =
                m_dice.bounded(2) ? any(Keys) : Qt::Key(Typed.at(m_dice.bounded(int(Typed.size()))).unicode());
            const auto modifiers =
                any(QList<Qt::KeyboardModifiers>{{}, {}, {}, Qt::ShiftModifier, Qt::ControlModifier});
            QTest::keyPress(focus, key, modifiers);
            if (focus) // a press may close the window it went to
                QTest::keyRelease(focus, key, modifiers);
        } else if (roll < 86) {
            // A text copied from elsewhere, pasted as the edit menu does: no
            // key passes the box's key hook. Ctrl+V pastes it again.
            QGuiApplication::clipboard()->setText(any(HostileTexts));
            if (auto *box = qobject_cast<TextBox *>(focus))
                box->paste();
        } else if (roll < 98) {
            // One interval of every running animation, as its timer gives it.
            for (Screen *s : shown) {
                if (auto *timer = s->control<QTimer>(QStringLiteral("Timer1")); timer && timer->isActive())
                    QMetaObject::invokeMethod(timer, "timeout");
            }
        } else if (roll < 99) {
            screen->close();
        } else {
            QCoreApplication::processEvents();
        }
    }

    // What must hold after every event; empty if it does, else what broke.
    QString broken()
    {
        ScreenRegistry &screens = m_vertexa->screens();
        if (m_vertexa->isFinished())
            return Pupil::visibleScreens().isEmpty() ? QString()
                                                     : QStringLiteral("windows left after the program ended");
        // One screen besides the Jotter, and every window showing is the one loaded under its name.
        const QStringList loaded = screens.loadedNames();
        if (loaded.size() - int(loaded.contains(Jotter)) > 1)
            return "several screens loaded: " + loaded.join(u' ');
        for (Screen *screen : Pupil::visibleScreens()) {
            if (screens.loaded(screen->screenName()) != screen)
                return "a window of an unloaded screen is showing: " + screen->screenName();
        }
        return {};
    }

    QRandomGenerator m_dice;
    std::unique_ptr<ClockSeededRandom> m_random;
    std::unique_ptr<VertexaApp> m_vertexa;
};

QTEST_MAIN(TestRandomEvents)
#include "tst_randomevents.moc"
