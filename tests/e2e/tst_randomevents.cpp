// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "app/titlescreen.h"
#include "app/vertexaprogram.h"
#include "common/leadingnumber.h"
#include "common/numbertext.h"
#include "common/randomsource.h"
#include "picturesets.h"
#include "problems/problemspage.h"
#include "pupil.h"
#include "screens/controls.h"
#include "screens/screen.h"
#include "stellated/starpolygon.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPointer>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace ScreenNames;

namespace {

// Texts a pupil might paste: far too long, foreign, invisible, or numbers
// that read strangely.
const QStringList HostileTexts{
    QString(10000, u'9'),
    QStringLiteral("-1"),
    QStringLiteral("1E400"),
    QStringLiteral("-1E400"),
    QStringLiteral("1D-400"),
    QStringLiteral("&H"),
    QStringLiteral("&HFFFFFFFFFFFFFFFFFFFF"),
    QStringLiteral("&O7777777777777777777777"),
    QStringLiteral("4 5"),
    QStringLiteral("45°"),
    QStringLiteral("\t\n\r\x1b\x7f"),
    QString(QChar(0)) + QStringLiteral("45"),
    QStringLiteral("٤٥"),
    QStringLiteral("𝟜𝟝 🙂 \u202e54"),
    QStringLiteral("e\u0301\u0301\u0301"),
    QStringLiteral("."),
    QStringLiteral("-"),
    QStringLiteral("1e"),
    QStringLiteral("NaN"),
    QStringLiteral("inf"),
    QStringLiteral("0x2D"),
    QString(300, u'-') + QStringLiteral("1"),
};

const QList<Qt::Key> Keys{
    Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9,
    Qt::Key_A, Qt::Key_E, Qt::Key_H, Qt::Key_Z, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_Delete,
    Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End,
    Qt::Key_Space, Qt::Key_Minus, Qt::Key_Period, Qt::Key_Escape, Qt::Key_PageUp, Qt::Key_F1,
};

const QStringList FeedbackTexts{QString(), QStringLiteral("Correct, Well Done!"), QStringLiteral("Wrong, Try Again")};

QString nameOf(QWidget *widget)
{
    auto *screen = qobject_cast<Screen *>(widget->window());
    const QString where = screen ? screen->screenName() : widget->window()->metaObject()->className();
    return where + u':' + (widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : widget->objectName());
}

QString shortText(const QString &text)
{
    QString shown = text.left(12);
    for (QChar &c : shown) {
        if (!c.isPrint())
            c = u'?';
    }
    return text.size() > 12 ? shown + QStringLiteral("…(%1)").arg(text.size()) : shown;
}

} // namespace

// Drives the running program with random but legal input, checking after
// every event what must always hold. A failure names its seed and the last
// events, so that the run can be replayed with VERTEXA_EXPLORE_SEED.
class RandomPupil
{
public:
    explicit RandomPupil(quint32 seed);
    ~RandomPupil();

    // Empty when every event kept every rule; else what broke, and after what.
    QString run(int events);
    QString coverage() const;

private:
    void start();
    void oneEvent();
    QString broken();
    void note(const QString &event);

    void clickControl();
    void clickAnywhere();
    void pressKey();
    void paste();
    void dragAcross();
    void hoverAcross();
    void tick();
    void closeWindow();
    void armPopupCloser();

    QList<Screen *> shownScreens() const { return Pupil::visibleScreens(); }
    Screen *anyScreen();
    QPoint anyPoint(QWidget *widget);
    Qt::MouseButton anyButton();
    Qt::MouseButtons anyButtons();

    quint32 m_seed;
    QRandomGenerator m_dice;
    double m_clock = 0;
    std::unique_ptr<ClockSeededRandom> m_random;
    std::unique_ptr<VertexaProgram> m_vertexa;
    QStringList m_recent;
    bool m_trace = qEnvironmentVariableIsSet("VERTEXA_EXPLORE_TRACE");
    int m_starts = 0;
    QHash<QString, int> m_visits;

    // What the last event was, for the rules that depend on it.
    bool m_enterInExplorer = false;
    QPointer<Screen> m_page;
    QString m_question;
};

RandomPupil::RandomPupil(quint32 seed)
    : m_seed(seed)
    , m_dice(seed)
{
}

RandomPupil::~RandomPupil()
{
    m_vertexa.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void RandomPupil::start()
{
    m_vertexa.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_clock = m_dice.bounded(86400.0);
    m_random = std::make_unique<ClockSeededRandom>([this] { return m_clock += 0.731; });
    m_vertexa = std::make_unique<VertexaProgram>(*m_random, PictureFolder(PictureSetFolder::realRoot()));
    m_vertexa->program().setUrlOpener([](const QUrl &) { return true; });
    m_vertexa->start();
    ++m_starts;
    note(QStringLiteral("start"));
}

void RandomPupil::note(const QString &event)
{
    if (m_trace)
        qInfo("%s", qPrintable(event));
    m_recent.append(event);
    if (m_recent.size() > 30)
        m_recent.removeFirst();
}

QString RandomPupil::run(int events)
{
    start();
    for (int i = 0; i < events; ++i) {
        if (m_vertexa->isFinished())
            start();
        oneEvent();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (Screen *screen : shownScreens())
            ++m_visits[screen->screenName()];
        const QString why = broken();
        if (!why.isEmpty()) {
            return QStringLiteral("event %1 of seed %2 broke a rule: %3\nlast events:\n  %4\nreplay: VERTEXA_EXPLORE_SEED=%2 VERTEXA_EXPLORE_EVENTS=%5")
                .arg(i)
                .arg(m_seed)
                .arg(why, m_recent.join(QStringLiteral("\n  ")))
                .arg(i + 1);
        }
    }
    return {};
}

QString RandomPupil::coverage() const
{
    QStringList parts{QStringLiteral("%1 starts").arg(m_starts)};
    for (const QString &name : screenNames())
        parts.append(QStringLiteral("%1 %2").arg(name).arg(m_visits.value(name)));
    return parts.join(QStringLiteral(", "));
}

void RandomPupil::oneEvent()
{
    m_enterInExplorer = false;
    const int roll = int(m_dice.bounded(100));
    if (roll < 30)
        clickControl();
    else if (roll < 34)
        clickAnywhere();
    else if (roll < 60)
        pressKey();
    else if (roll < 68)
        paste();
    else if (roll < 80)
        dragAcross();
    else if (roll < 86)
        hoverAcross();
    else if (roll < 98)
        tick();
    else if (roll < 99)
        closeWindow();
    else {
        // Let the real timers and whatever is queued run for a moment.
        note(QStringLiteral("process events"));
        QCoreApplication::processEvents();
    }
}

Screen *RandomPupil::anyScreen()
{
    const QList<Screen *> screens = shownScreens();
    return screens.isEmpty() ? nullptr : screens.at(int(m_dice.bounded(qsizetype(screens.size()))));
}

QPoint RandomPupil::anyPoint(QWidget *widget)
{
    return QPoint(int(m_dice.bounded(qMax(1, widget->width()))), int(m_dice.bounded(qMax(1, widget->height()))));
}

Qt::MouseButton RandomPupil::anyButton()
{
    const int roll = int(m_dice.bounded(10));
    return roll < 7 ? Qt::LeftButton : roll < 9 ? Qt::RightButton : Qt::MiddleButton;
}

Qt::MouseButtons RandomPupil::anyButtons()
{
    return Qt::MouseButtons(int(m_dice.bounded(8))) & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
}

void RandomPupil::armPopupCloser()
{
    // A context menu runs its own loop: the pupil picks one of its entries
    // (paste included) or dismisses it.
    QTimer::singleShot(0, [this] {
        QWidget *popup = QApplication::activePopupWidget();
        if (!popup)
            return;
        auto *menu = qobject_cast<QMenu *>(popup);
        QList<QAction *> actions;
        if (menu) {
            for (QAction *a : menu->actions()) {
                if (a->isEnabled() && !a->isSeparator())
                    actions.append(a);
            }
        }
        if (!actions.isEmpty() && m_dice.bounded(2)) {
            QAction *chosen = actions.at(int(m_dice.bounded(qsizetype(actions.size()))));
            note(QStringLiteral("  menu: %1").arg(chosen->text()));
            menu->close();
            chosen->trigger();
        } else {
            popup->close();
        }
    });
}

void RandomPupil::clickControl()
{
    QList<QWidget *> controls;
    for (Screen *screen : shownScreens()) {
        const QList<QWidget *> children = screen->findChildren<QWidget *>();
        for (QWidget *w : children) {
            if (w->isVisible() && w->isEnabled() && !qobject_cast<LineControl *>(w) && !w->isWindow())
                controls.append(w);
        }
    }
    if (controls.isEmpty())
        return;
    QWidget *control = controls.at(int(m_dice.bounded(qsizetype(controls.size()))));
    const Qt::MouseButton button = anyButton();
    const QPoint at = control->mapTo(control->window(), anyPoint(control));
    note(QStringLiteral("click %1 button %2").arg(nameOf(control)).arg(int(button)));
    if (button != Qt::LeftButton)
        armPopupCloser();
    Pupil::clickAt(control->window(), at, button);
}

void RandomPupil::clickAnywhere()
{
    Screen *screen = anyScreen();
    if (!screen)
        return;
    const QPoint at = anyPoint(screen);
    const Qt::MouseButton button = anyButton();
    note(QStringLiteral("click %1 at %2,%3 button %4").arg(screen->screenName()).arg(at.x()).arg(at.y()).arg(int(button)));
    if (button != Qt::LeftButton)
        armPopupCloser();
    Pupil::clickAt(screen, at, button);
}

void RandomPupil::pressKey()
{
    QWidget *focus = Pupil::focus();
    const QString target = focus ? nameOf(focus) : QStringLiteral("nothing");
    const bool intoExplorerBox = focus && qobject_cast<TextBox *>(focus) && qobject_cast<Screen *>(focus->window())
                                 && static_cast<Screen *>(focus->window())->screenName() == Explorer;
    const int roll = int(m_dice.bounded(10));
    if (roll == 0) {
        // A control character, as Ctrl with a letter gives.
        const QChar c(ushort(1 + m_dice.bounded(31)));
        note(QStringLiteral("control character %1 to %2").arg(c.unicode()).arg(target));
        Pupil::pressCharacter(c, Qt::ControlModifier);
        return;
    }
    if (roll == 1) {
        // The keyboard's own edit commands: select all, copy, cut, paste, undo.
        const QList<Qt::Key> edits{Qt::Key_A, Qt::Key_C, Qt::Key_X, Qt::Key_V, Qt::Key_Z};
        const Qt::Key key = edits.at(int(m_dice.bounded(qsizetype(edits.size()))));
        if (m_dice.bounded(3) == 0)
            QGuiApplication::clipboard()->setText(HostileTexts.at(int(m_dice.bounded(qsizetype(HostileTexts.size()))))
                                                  + QString::number(m_dice.bounded(100)));
        note(QStringLiteral("ctrl+%1 to %2").arg(QChar(key)).arg(target));
        Pupil::press(key, Qt::ControlModifier);
        return;
    }
    const Qt::Key key = Keys.at(int(m_dice.bounded(qsizetype(Keys.size()))));
    const Qt::KeyboardModifiers modifiers = m_dice.bounded(8) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
    note(QStringLiteral("key %1%2 to %3").arg(modifiers ? QStringLiteral("shift+") : QString()).arg(int(key), 0, 16).arg(target));
    Pupil::press(key, modifiers);
    m_enterInExplorer = intoExplorerBox && (key == Qt::Key_Return || key == Qt::Key_Enter);
}

void RandomPupil::paste()
{
    QList<TextBox *> boxes;
    for (Screen *screen : shownScreens()) {
        for (TextBox *box : screen->findChildren<TextBox *>()) {
            if (box->isVisible() && box->isEnabled())
                boxes.append(box);
        }
    }
    if (boxes.isEmpty())
        return;
    TextBox *box = boxes.at(int(m_dice.bounded(qsizetype(boxes.size()))));
    const QString text = HostileTexts.at(int(m_dice.bounded(qsizetype(HostileTexts.size()))));
    note(QStringLiteral("paste '%1' into %2").arg(shortText(text), nameOf(box)));
    // As the edit menu's paste does: no key passes the box's key hook.
    if (m_dice.bounded(2))
        box->selectAll();
    box->insert(text);
}

void RandomPupil::dragAcross()
{
    Screen *screen = anyScreen();
    if (!screen)
        return;
    QList<QPoint> points;
    const int count = 2 + int(m_dice.bounded(6));
    for (int i = 0; i < count; ++i)
        points.append(anyPoint(screen));
    const Qt::MouseButton button = anyButton();
    const Qt::MouseButtons held = anyButtons();
    note(QStringLiteral("drag on %1, %2 points, button %3 holding %4").arg(screen->screenName()).arg(count).arg(int(button)).arg(int(held)));
    if (button != Qt::LeftButton || held)
        armPopupCloser();
    Pupil::drag(screen, points, button, held);
}

void RandomPupil::hoverAcross()
{
    Screen *screen = anyScreen();
    if (!screen)
        return;
    const Qt::MouseButtons held = m_dice.bounded(3) == 0 ? anyButtons() : Qt::NoButton;
    note(QStringLiteral("move over %1 holding %2").arg(screen->screenName()).arg(int(held)));
    for (int i = 0; i < 3; ++i)
        Pupil::moveHolding(screen, anyPoint(screen), held);
}

void RandomPupil::tick()
{
    // One interval of every running animation, as its timer would give it.
    note(QStringLiteral("timer tick"));
    for (Screen *screen : shownScreens()) {
        auto *timer = screen->control<QTimer>(QStringLiteral("Timer1"));
        if (!timer || !timer->isActive())
            continue;
        if (auto *title = qobject_cast<TitleScreen *>(screen))
            title->Timer1_Timer();
        else if (auto *page = qobject_cast<ProblemsPage *>(screen))
            page->Timer1_Timer();
    }
}

void RandomPupil::closeWindow()
{
    Screen *screen = anyScreen();
    if (!screen)
        return;
    note(QStringLiteral("close box of %1").arg(screen->screenName()));
    screen->close();
}

QString RandomPupil::broken()
{
    ScreenRegistry &screens = m_vertexa->screens();
    const QList<Screen *> shown = shownScreens();
    if (m_vertexa->isFinished())
        return shown.isEmpty() ? QString() : QStringLiteral("windows left after the program ended");

    // One screen besides the Jotter, and one Jotter at most.
    const QStringList loaded = screens.loadedNames();
    if (loaded.size() - int(loaded.contains(Jotter)) > 1)
        return QStringLiteral("several screens loaded: ") + loaded.join(u' ');
    int jotters = 0;
    for (Screen *screen : shown) {
        if (screens.loaded(screen->screenName()) != screen)
            return QStringLiteral("a window of an unloaded screen is showing: ") + screen->screenName();
        jotters += screen->screenName() == Jotter;
    }
    if (jotters > 1)
        return QStringLiteral("two Jotters");

    if (Screen *title = screens.loaded(Title)) {
        const QString caption = title->control<CommandButton>(QStringLiteral("Command1"))->text();
        if (caption != QStringLiteral("OK") && caption != QStringLiteral("Cancel"))
            return QStringLiteral("title's first button reads ") + caption;
    }

    // The answer box and the feedback line.
    for (const QString &name : {TriangleProblems, StellatedProblems}) {
        Screen *page = screens.loaded(name);
        if (!page)
            continue;
        auto *feedback = page->control<Label>(QStringLiteral("Label4"));
        auto *question = page->control<Label>(QStringLiteral("Label1"));
        auto *box = page->control<TextBox>(QStringLiteral("Text1"));
        const QString said = feedback->text();
        if (!FeedbackTexts.contains(said) && said != plainNumber(m_vertexa->program().values().answer))
            return QStringLiteral("%1 feedback reads '%2'").arg(name, shortText(said));
        if (!feedback->isVisible() && page->isVisible() && !said.isEmpty())
            return QStringLiteral("%1 hidden feedback holds '%2'").arg(name, shortText(said));
        if (question->text().isEmpty() || question->text() == QStringLiteral("Label1"))
            return QStringLiteral("%1 shows no question").arg(name);
        const bool fresh = m_page != page || m_question != question->text();
        if (fresh && (!box->text().isEmpty() || !said.isEmpty()))
            return QStringLiteral("%1 new question with answer '%2' and feedback '%3'").arg(name, shortText(box->text()), shortText(said));
        m_page = page;
        m_question = question->text();
    }

    // The explorer's boxes, and the figure they give.
    if (Screen *explorer = screens.loaded(Explorer)) {
        double numbers[2];
        for (int i = 0; i < 2; ++i) {
            const QString text = explorer->control<TextBox>(QStringLiteral("Text2"), i)->text();
            if (text.size() > 2)
                return QStringLiteral("explorer box %1 holds '%2'").arg(i).arg(shortText(text));
            numbers[i] = leadingNumber(text);
            if (m_enterInExplorer && numbers[i] > 20)
                return QStringLiteral("explorer box %1 reads %2 after Enter").arg(i).arg(numbers[i]);
        }
        const StarPolygon star(numbers[0], numbers[1]);
        for (const StarPolygon::Segment &s : star.segments()) {
            if (s.from < 0 || s.to < 0 || s.from >= star.vertexCount() || s.to >= star.vertexCount())
                return QStringLiteral("segment %1 to %2 of {%3/%4} leaves the table").arg(s.from).arg(s.to).arg(numbers[0]).arg(numbers[1]);
        }
    }
    return {};
}

class TestRandomEvents : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void rulesHoldThroughout_data();
    void rulesHoldThroughout();
};

void TestRandomEvents::initTestCase()
{
    Pupil::quietWindowSystem();
    QVERIFY(PictureSetFolder::pictureFiles(PictureSetFolder::realRoot()).size() > 100);
}

void TestRandomEvents::rulesHoldThroughout_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("events");
    const int events = qEnvironmentVariableIntValue("VERTEXA_EXPLORE_EVENTS") > 0 ? qEnvironmentVariableIntValue("VERTEXA_EXPLORE_EVENTS") : 20000;
    bool given = false;
    const quint32 seed = quint32(qEnvironmentVariable("VERTEXA_EXPLORE_SEED").toUInt(&given));
    if (given) {
        QTest::newRow("given seed") << seed << events;
        return;
    }
    for (quint32 s : {1u, 2u, 3u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(s))) << s << events;
}

void TestRandomEvents::rulesHoldThroughout()
{
    QFETCH(quint32, seed);
    QFETCH(int, events);
    RandomPupil pupil(seed);
    const QString failure = pupil.run(events);
    qInfo("seed %u, %d events: %s", seed, events, qPrintable(pupil.coverage()));
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(TestRandomEvents)
#include "tst_randomevents.moc"
