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
#include <QKeySequence>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>
#include <memory>

using namespace ScreenNames;

// Texts a pupil might paste: far too long, foreign, invisible, or numbers
// that read strangely.
static const QStringList HostileTexts{QString(10000, u'9'),
                                      "-1E400",
                                      "1D-400",
                                      "&HFFFFFFFFFFFFFFFFFFFF",
                                      "&O7777777777777777777777",
                                      "4 5",
                                      "45°",
                                      QString(QChar(0)) + "\t\n\r\x1b\x7f"
                                                          "45",
                                      "٤٥",
                                      "𝟜𝟝 🙂 \u202e54",
                                      "e\u0301\u0301\u0301",
                                      ".",
                                      "-",
                                      "1e",
                                      "NaN",
                                      QString(300, u'-') + "1"};

static const QList<Qt::Key> Keys{
    Qt::Key_0,      Qt::Key_1,      Qt::Key_2,         Qt::Key_3,      Qt::Key_4,   Qt::Key_5,       Qt::Key_6,
    Qt::Key_7,      Qt::Key_8,      Qt::Key_9,         Qt::Key_A,      Qt::Key_E,   Qt::Key_H,       Qt::Key_Z,
    Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Left,
    Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,      Qt::Key_Home,   Qt::Key_End, Qt::Key_Space,   Qt::Key_Minus,
    Qt::Key_Period, Qt::Key_Escape, Qt::Key_PageUp,    Qt::Key_F1};

static QString nameOf(QWidget *w)
{
    return w->window()->objectName() + u':' + w->objectName() + u':' + w->metaObject()->className();
}

// The start of a text, its unprintable characters escaped, and its length.
static QString quoted(const QString &text)
{
    return QStringLiteral("\"%1\"/%2")
        .arg(QString::fromLatin1(text.left(12).toUtf8().toPercentEncoding(" ,!-")))
        .arg(text.size());
}

// Drives the running program with random but legal input, starting it again
// whenever it ends, and checks after every event what must always hold. A
// failure names its seed, its last events and the command that replays it.
class TestRandomEvents : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Pupil::prepare(); }

    // Three seeds of 20,000 events; `make explore` runs 100,000 with one seed.
    void rulesHoldThroughout_data()
    {
        QTest::addColumn<quint32>("seed");
        const QString given = qEnvironmentVariable("VERTEXA_EXPLORE_SEED");
        for (quint32 seed : given.isEmpty() ? QList<quint32>{1, 2, 3} : QList<quint32>{given.toUInt()})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }

    void rulesHoldThroughout()
    {
        QFETCH(quint32, seed);
        const int events = qEnvironmentVariableIsSet("VERTEXA_EXPLORE_EVENTS")
                               ? qEnvironmentVariableIntValue("VERTEXA_EXPLORE_EVENTS")
                               : 20000;
        qInfo("replay: VERTEXA_EXPLORE_SEED=%u VERTEXA_EXPLORE_EVENTS=%d",
              seed,
              events); // a crash prints no failure of its own
        m_dice.seed(seed);
        m_recent.clear();
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
                note(QStringLiteral("start %1").arg(++starts));
            }
            oneEvent();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            for (Screen *screen : Pupil::visibleScreens())
                missed.removeAll(screen->screenName());
            if (const QString why = broken(); !why.isEmpty())
                QFAIL(qPrintable(QStringLiteral("event %1 of seed %2 broke a rule: %3\nlast events:\n  %4\nreplay: "
                                                "VERTEXA_EXPLORE_SEED=%2 VERTEXA_EXPLORE_EVENTS=%5")
                                     .arg(i)
                                     .arg(seed)
                                     .arg(why, m_recent.join(QStringLiteral("\n  ")))
                                     .arg(i + 1)));
        }
        // The rules mean something only if the pupil went everywhere and out
        // again, which a long run does and a short replay need not.
        if (events >= 20000)
            QVERIFY2(starts > 1 && missed.isEmpty(),
                     qPrintable(QStringLiteral("%1 starts; never on screen: %2").arg(starts).arg(missed.join(u' '))));
    }

    void cleanup()
    {
        m_vertexa.reset(); // before its screens' deferred deletion, which needs the program
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    void note(const QString &event) { m_recent = m_recent.mid(m_recent.size() >= 30) << event; }
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
        const QString target = focus ? nameOf(focus) : QStringLiteral("nothing");
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
            const Qt::MouseButton button =
                roll < 46
                    ? any(QList{Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
                    : Qt::NoButton;
            const Qt::MouseButtons held = roll >= 34 && (roll < 46 || m_dice.bounded(3) == 0)
                                              ? Qt::MouseButtons(int(m_dice.bounded(8)))
                                              : Qt::NoButton;
            note(QStringLiteral("mouse on %1 through %2 points, button %3 holding %4")
                     .arg(nameOf(on))
                     .arg(points.size())
                     .arg(int(button))
                     .arg(int(held)));
            Pupil::drag(screen, points, button, held);
        } else if (roll < 78) {
            // Mostly keys, shifted now and then; else Ctrl with a letter, the
            // edit commands half the time.
            const Qt::Key key = roll >= 57          ? any(Keys)
                                : m_dice.bounded(2) ? any(QList{Qt::Key_A, Qt::Key_C, Qt::Key_X, Qt::Key_V, Qt::Key_Z})
                                                    : Qt::Key(Qt::Key_A + int(m_dice.bounded(26)));
            const Qt::KeyboardModifiers modifiers = roll < 57                ? Qt::ControlModifier
                                                    : m_dice.bounded(8) == 0 ? Qt::ShiftModifier
                                                                             : Qt::NoModifier;
            note(QStringLiteral("key %1 to %2").arg(QKeySequence(QKeyCombination(modifiers, key)).toString(), target));
            Pupil::press(key, modifiers);
            m_enterInExplorer = qobject_cast<TextBox *>(focus) &&
                                focus->window() == m_vertexa->screens().loaded(Explorer) &&
                                (key == Qt::Key_Return || key == Qt::Key_Enter);
        } else if (roll < 86) {
            // A text copied from elsewhere, pasted as the edit menu does: no
            // key passes the box's key hook. Ctrl+V pastes it again.
            const QString text = any(HostileTexts);
            note(QStringLiteral("paste %1 into %2").arg(quoted(text), target));
            QGuiApplication::clipboard()->setText(text);
            if (auto *box = qobject_cast<TextBox *>(focus))
                box->paste();
        } else if (roll < 98) {
            // One interval of every running animation, as its timer gives it.
            note(QStringLiteral("timer tick"));
            for (Screen *s : shown) {
                if (auto *timer = s->control<QTimer>(QStringLiteral("Timer1")); timer && timer->isActive())
                    QMetaObject::invokeMethod(timer, "timeout");
            }
        } else if (roll < 99) {
            note(QStringLiteral("close box of %1").arg(screen->screenName()));
            screen->close();
        } else {
            note(QStringLiteral("process events"));
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
        QStringList broke;
        const auto rule = [&broke](bool holds, const QString &what) {
            broke += holds ? QStringList() : QStringList{what};
        };
        // One screen besides the Jotter, and every window showing is the one
        // loaded under its name.
        const QStringList loaded = screens.loadedNames();
        rule(loaded.size() - int(loaded.contains(Jotter)) <= 1,
             QStringLiteral("several screens loaded: ") + loaded.join(u' '));
        for (Screen *screen : Pupil::visibleScreens())
            rule(screens.loaded(screen->screenName()) == screen,
                 QStringLiteral("a window of an unloaded screen is showing: ") + screen->screenName());
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
            rule(sayable.contains(said) && (feedback->isVisible() || !page->isVisible() || said.isEmpty()),
                 name + QStringLiteral(" feedback reads ") + quoted(said));
            rule(!question.isEmpty() && question != QStringLiteral("Label1"),
                 name + QStringLiteral(" shows no question"));
            rule((m_page == page && m_question == question) || (answer + said).isEmpty(),
                 QStringLiteral("%1 new question with answer %2, feedback %3").arg(name, quoted(answer), quoted(said)));
            m_page = page;
            m_question = question;
        }
        // The explorer's boxes hold two characters at most, and after Enter no
        // more than 20.
        for (int i = 0; i < 2 && screens.loaded(Explorer); ++i) {
            const QString text = screens.loaded(Explorer)->control<TextBox>(QStringLiteral("Text2"), i)->text();
            rule(text.size() <= 2 && !(m_enterInExplorer && leadingNumber(text) > 20),
                 QStringLiteral("explorer box %1 holds %2").arg(i).arg(quoted(text)));
        }
        return broke.join(QStringLiteral("; "));
    }

    QRandomGenerator m_dice;
    std::unique_ptr<ClockSeededRandom> m_random;
    std::unique_ptr<VertexaApp> m_vertexa;
    QStringList m_recent; // the last 30 events
    // What the last events were, for the rules that depend on them.
    bool m_enterInExplorer = false;
    QPointer<Screen> m_page;
    QString m_question;
};

QTEST_MAIN(TestRandomEvents)
#include "tst_randomevents.moc"
