// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/vertexaapp.h"
#include "common/leadingnumber.h"
#include "common/numbertext.h"
#include "common/randomsource.h"
#include "pupil.h"
#include "screens/label.h"
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
// Digits, letters a number may hold, and the keys that edit or move.
static const QList<Qt::Key> Keys{
    Qt::Key_0,      Qt::Key_1,     Qt::Key_2,         Qt::Key_4,      Qt::Key_9,    Qt::Key_A,       Qt::Key_E,
    Qt::Key_H,      Qt::Key_Space, Qt::Key_Minus,     Qt::Key_Period, Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Escape,
    Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,     Qt::Key_Left,
    Qt::Key_Right,  Qt::Key_Up,    Qt::Key_Down,      Qt::Key_PageUp, Qt::Key_F1};

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

    // A mouse event, a key, a paste, a tick of the animations, a close box, or
    // a moment for the real timers, in proportions a pupil might. A context
    // menu that opens takes the keys and is closed by a press elsewhere.
    void oneEvent()
    {
        m_enterInExplorer = false;
        const QList<Screen *> shown = Pupil::visibleScreens();
        const int roll = shown.isEmpty() ? 99 : int(m_dice.bounded(100));
        Screen *screen = shown.isEmpty() ? nullptr : any(shown);
        QWidget *focus = QApplication::focusWidget();
        if (roll < 52) {
            // Mostly a click on a control, else one anywhere on the window, a
            // drag, or moves with buttons held from before.
            QList<QWidget *> controls = screen->findChildren<QWidget *>();
            controls.removeIf([](QWidget *w) {
                return !w->isVisible() || !w->isEnabled() || qobject_cast<LineControl *>(w) || w->isWindow();
            });
            QWidget *on = roll < 30 && !controls.isEmpty() ? any(controls) : screen;
            QList<QPoint> points{on->mapTo(screen, anyPoint(on))};
            for (int i = roll < 34 ? 0 : 1 + int(m_dice.bounded(6)); i > 0; --i)
                points.append(anyPoint(screen));
            const bool press = roll < 46, holding = roll >= 34 && (press || m_dice.bounded(3) == 0);
            const auto button =
                press ? any(QList{Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) : Qt::NoButton;
            Pupil::drag(screen, points, button, holding ? Qt::MouseButtons(int(m_dice.bounded(8))) : Qt::NoButton);
        } else if (roll < 78) {
            // Mostly keys, shifted now and then; else Ctrl with a letter, the
            // edit commands half the time.
            const Qt::Key key = roll >= 57          ? any(Keys)
                                : m_dice.bounded(2) ? any(QList{Qt::Key_A, Qt::Key_C, Qt::Key_X, Qt::Key_V, Qt::Key_Z})
                                                    : Qt::Key(Qt::Key_A + int(m_dice.bounded(26)));
            Pupil::press(key, roll < 57 ? Qt::ControlModifier : m_dice.bounded(8) ? Qt::NoModifier : Qt::ShiftModifier);
            m_enterInExplorer = qobject_cast<TextBox *>(focus) &&
                                focus->window() == m_vertexa->screens().loaded(Explorer) &&
                                (key == Qt::Key_Return || key == Qt::Key_Enter);
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
        // A problems page always shows a question, a new one with an empty
        // answer box and feedback, and the feedback, if showing, is a verdict or the solution.
        for (const QString &name : {TriangleProblems, StellatedProblems}) {
            Screen *page = screens.loaded(name);
            if (!page)
                continue;
            auto *feedback = page->control<Label>(QStringLiteral("Label4"));
            const QString said = feedback->text(), answer = page->control<TextBox>(QStringLiteral("Text1"))->text();
            const QString question = page->control<Label>(QStringLiteral("Label1"))->text();
            const QStringList sayable{{},
                                      "Correct, Well Done!",
                                      "Wrong, Try Again",
                                      plainNumber(m_vertexa->context().values().answer)};
            if (!sayable.contains(said) || (!feedback->isVisible() && page->isVisible() && !said.isEmpty()))
                return name + " feedback reads " + said;
            if (question.isEmpty() || question == QStringLiteral("Label1"))
                return name + " shows no question";
            if ((m_page != page || m_question != question) && !(answer + said).isEmpty())
                return name + " new question with answer " + answer.left(20) + ", feedback " + said;
            m_page = page;
            m_question = question;
        }
        // The explorer's boxes hold two characters at most, and after Enter no more than 20.
        for (int i = 0; i < 2 && screens.loaded(Explorer); ++i) {
            const QString text = screens.loaded(Explorer)->control<TextBox>(QStringLiteral("Text2"), i)->text();
            if (text.size() > 2 || (m_enterInExplorer && leadingNumber(text) > 20))
                return QStringLiteral("explorer box %1 holds %2").arg(i).arg(text.left(20));
        }
        return {};
    }

    QRandomGenerator m_dice;
    std::unique_ptr<ClockSeededRandom> m_random;
    std::unique_ptr<VertexaApp> m_vertexa;
    // What the last events were, for the rules that depend on them.
    bool m_enterInExplorer = false;
    QPointer<Screen> m_page;
    QString m_question;
};

QTEST_MAIN(TestRandomEvents)
#include "tst_randomevents.moc"
