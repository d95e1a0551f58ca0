// Seeded random input to a whole program, started by its own run(): clicks on its controls and
// anywhere on the display, keys of a small alphabet, message boxes answered sooner or later. After
// every event the program must still run, unless the event was "Выход" (or Enter on it) on the main
// screen: then run() returns and the program starts again. The keyboard focus must lie on the
// active screen or the modal window throughout.
//
// TEXTBOOK_PROGRAM picks the program (both by default), TEXTBOOK_SEED repeats a run, and
// TEXTBOOK_EVENTS sets the number of events per program.

#include "adverbs/Program.h"
#include "gui/Application.h"
#include "gui/Display.h"
#include "gui/Form.h"
#include "gui/MessageBox.h"
#include "gui/WindowFrame.h"
#include "russian/Program.h"
#include "shared/Screens.h"

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <deque>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

constexpr int DefaultEvents = 3000;

struct Program {
    const char* name;
    int (*run)(int argc, char** argv);
};

const Program programs[] = {{"adverbs", adverbs::run}, {"russian", russian::run}};

struct Key {
    int code;
    const char* text; // what the key types, if anything
    const char* name;
};

const Key keys[] = {
    {Qt::Key_Return, "\r", "Enter"},
    {Qt::Key_Enter, "\r", "keypad Enter"},
    {Qt::Key_Escape, "\x1b", "Esc"},
    {Qt::Key_Tab, "\t", "Tab"},
    {Qt::Key_Backtab, "", "Shift+Tab"},
    {Qt::Key_Space, " ", "Space"},
    {Qt::Key_Left, "", "Left"},
    {Qt::Key_Right, "", "Right"},
    {Qt::Key_Up, "", "Up"},
    {Qt::Key_Down, "", "Down"},
    {Qt::Key_A, "a", "a"},
    {Qt::Key_unknown, "ж", "ж"},
    {Qt::Key_unknown, "ё", "ё"},
    {Qt::Key_unknown, "Н", "Н"},
};

QString nameOf(QWidget* widget)
{
    if (!widget)
        return "nothing";
    gui::Form* form = gui::formOf(widget);
    QString name = form ? form->className() : QString("display");
    if (widget != form && !widget->objectName().isEmpty())
        name += "." + widget->objectName();
    return name;
}

bool contains(QWidget* outer, QWidget* inner)
{
    return outer && inner && (outer == inner || outer->isAncestorOf(inner));
}

// Counts the paints of the program's widgets: the run draws what it shows.
struct PaintCounter : QObject {
    PaintCounter() { qApp->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

// The events sent to one program, over as many of its runs as "Выход" makes.
class Session {
public:
    Session(const Program& program, quint64 seed, int events)
        : program_(program)
        , random_(seed)
        , events_(events)
    {
    }

    void run()
    {
        PaintCounter paints;
        scheduleStep();
        while (!failed_ && sent_ < events_) {
            started_ = false;
            exitExpected_ = false;
            shared::clearScreens();
            char name[] = "program";
            char* argv[] = {name, nullptr};
            int argc = 1;
            program_.run(argc, argv);
            if (!exitExpected_)
                fail("the program ended by itself");
            ++runs_;
        }
        shared::clearScreens();
        std::fprintf(stderr, "%d events, %d runs, %lld screens seen, %d paints\n", sent_, runs_,
                     static_cast<long long>(seen_.size()), paints.count);
        if (qEnvironmentVariableIsSet("TEXTBOOK_SCREENS_SEEN"))
            std::fprintf(stderr, "%s\n",
                         qPrintable(QStringList(seen_.begin(), seen_.end()).join(" ")));
    }

private:
    // The next step is posted first, so that it also runs inside a modal run that this one starts.
    void scheduleStep()
    {
        QMetaObject::invokeMethod(
            &context_, [this] { step(); }, Qt::QueuedConnection);
    }

    void step()
    {
        scheduleStep();
        if (exitExpected_)
            return;
        gui::Display& display = gui::Display::instance();
        gui::Form* main = gui::Application::instance().mainForm();
        QWidget* modal = display.modalWindow();
        if (!started_) {
            // The splash, which the start-up runs modally, is closed at once.
            if (auto* form = qobject_cast<gui::Form*>(modal))
                form->Close();
            started_ = main && main->isVisible() && !modal;
            return;
        }
        if (shownBox_) {
            fail("the message box did not close on " + lastEvent_);
            return;
        }
        if (failed_ || sent_ >= events_) {
            end(modal, main);
            return;
        }
        sendEvent();
    }

    // Ends every modal run, then the program, as "Выход" does.
    void end(QWidget* modal, gui::Form* main)
    {
        if (auto* box = qobject_cast<gui::MessageBox*>(modal)) {
            box->dismiss();
        } else if (auto* form = qobject_cast<gui::Form*>(modal)) {
            form->Close();
        } else {
            exitExpected_ = true;
            main->Close();
        }
    }

    void fail(const QString& what)
    {
        QString log;
        for (const QString& event : history_)
            log += "  " + event + "\n";
        ADD_FAILURE() << what.toStdString() << " (event " << sent_ << " of " << program_.name
                      << ")\nthe last events:\n"
                      << log.toStdString();
        failed_ = true;
    }

    int below(qsizetype count)
    {
        return int(std::uniform_int_distribution<qsizetype>(0, count - 1)(random_));
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

    void sendEvent()
    {
        gui::Display& display = gui::Display::instance();
        QWidget* modal = display.modalWindow();
        gui::Form* active = display.activeForm();
        gui::Form* main = gui::Application::instance().mainForm();

        auto* box = qobject_cast<gui::MessageBox*>(modal);
        if (box && chance(0.3)) {
            answerBox(*box);
        } else if (qobject_cast<gui::Form*>(modal) && chance(0.25)) {
            note("Close on the modal " + nameOf(modal));
            static_cast<gui::Form*>(modal)->Close();
        } else if (chance(0.35)) {
            const Key& key = keys[below(std::size(keys))];
            QWidget* target = QApplication::focusWidget();
            note(QString("key %1 to %2").arg(key.name, nameOf(target)));
            if (!target)
                target = display.area()->window();
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key(key.code),
                                QString::fromUtf8(key.text), Qt::NoModifier);
            // A key may end the program only on the main screen, when it is the active one.
            checkExit(!modal && active == main);
        } else {
            QWidget* target = click();
            checkExit(!modal && contains(main, target));
        }
        ++sent_;
        if (!exitExpected_ && !failed_)
            checkState();
        if (gui::Form* now = display.activeForm())
            seen_.insert(now->className());
    }

    // Dismisses the box as the pupil can: its button, Enter, Esc, Space or its close box.
    void answerBox(gui::MessageBox& box)
    {
        const int way = below(5);
        const char* ways[] = {"click on OK", "Enter", "Esc", "Space", "click on the close box"};
        note(QString("answer the box: %1").arg(ways[way]));
        shownBox_ = &box;
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            focus = &box;
        switch (way) {
        case 0:
            QTest::mouseClick(box.okButton(), Qt::LeftButton);
            break;
        case 1:
            QTest::keyClick(focus, Qt::Key_Return);
            break;
        case 2:
            QTest::keyClick(focus, Qt::Key_Escape);
            break;
        case 3:
            QTest::keyClick(focus, Qt::Key_Space);
            break;
        default:
            QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier,
                              gui::DialogFrame.closeBox(box.rect()).center());
        }
    }

    // Clicks (now and then double-clicks) a shown control of a visible screen, or any point of
    // the display; returns the widget under the mouse.
    QWidget* click()
    {
        QWidget* area = gui::Display::instance().area();
        QPoint point(below(area->width()), below(area->height()));
        const std::vector<gui::Form*> forms = gui::Display::instance().visibleForms();
        if (!forms.empty() && chance(0.75)) {
            // Mostly the active screen, so that the run gets on; now and then one beneath.
            gui::Form* form = gui::Display::instance().activeForm();
            if (!form || chance(0.4))
                form = forms[below(forms.size())];
            std::vector<gui::Control*> shown;
            for (gui::Control* control : form->controls())
                if (control->isShown() && !control->bounds().isEmpty())
                    shown.push_back(control);
            if (!shown.empty()) {
                const QRect bounds = shown[below(shown.size())]->bounds();
                const QPoint inside = form->clientArea()->mapTo(
                    area, bounds.topLeft() + QPoint(below(bounds.width()), below(bounds.height())));
                if (area->rect().contains(inside))
                    point = inside;
            }
        }
        QWidget* target = area->childAt(point);
        if (!target)
            target = area;
        const QPoint at = target == area ? point : target->mapFrom(area, point);
        const bool twice = chance(0.05);
        note(QString("%1 on %2 at %3,%4")
                 .arg(twice ? "double click" : "click", nameOf(target))
                 .arg(point.x())
                 .arg(point.y()));
        QPointer<QWidget> guard(target);
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
        if (twice && guard && !gui::Application::instance().terminated()) {
            QWidget* second = area->childAt(point);
            if (!second)
                second = area;
            const QPoint again = second == area ? point : second->mapFrom(area, point);
            QTest::mouseDClick(second, Qt::LeftButton, Qt::NoModifier, again);
            QTest::mouseRelease(second, Qt::LeftButton, Qt::NoModifier, again);
        }
        return target;
    }

    void note(const QString& event)
    {
        lastEvent_ = event;
        history_.push_back(QString::number(sent_) + ": " + event);
        if (history_.size() > 25)
            history_.pop_front();
    }

    // The program is ending: fine when the event reached the main screen's "Выход" (or its Enter);
    // run() then returns and the program starts again. Any other end is a fault.
    void checkExit(bool mayExit)
    {
        if (!gui::Application::instance().terminated())
            return;
        exitExpected_ = true;
        if (!mayExit)
            fail("the program ended on " + lastEvent_);
    }

    void checkState()
    {
        gui::Display& display = gui::Display::instance();
        gui::Form* main = gui::Application::instance().mainForm();
        if (!main || !main->isVisible()) {
            fail("the main screen is gone after " + lastEvent_);
            return;
        }
        QWidget* modal = display.modalWindow();
        QWidget* owner = modal ? modal : display.activeForm();
        if (!owner || !owner->isVisible()) {
            fail("no screen is active after " + lastEvent_);
            return;
        }
        if (QWidget* focus = QApplication::focusWidget(); focus && !contains(owner, focus))
            fail(QString("the focus is on %1 while %2 has the keyboard, after %3")
                     .arg(nameOf(focus), nameOf(owner), lastEvent_));
    }

    const Program& program_;
    std::mt19937_64 random_;
    int events_;
    int sent_ = 0;
    int runs_ = 0;
    bool started_ = false;
    bool exitExpected_ = false;
    bool failed_ = false;
    QPointer<gui::MessageBox> shownBox_;
    QString lastEvent_;
    std::deque<QString> history_;
    std::set<QString> seen_;
    QObject context_; // queued steps die with the session
};

quint64 seedFromEnvironment()
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("TEXTBOOK_SEED").toULongLong(&ok);
    return ok ? seed : std::random_device{}();
}

TEST(RandomInput, EveryProgramKeepsRunningAndKeepsTheFocusOnTheActiveScreen)
{
    const quint64 seed = seedFromEnvironment();
    bool ok = false;
    int events = qEnvironmentVariable("TEXTBOOK_EVENTS").toInt(&ok);
    if (!ok || events < 0)
        events = DefaultEvents;
    const QString only = qEnvironmentVariable("TEXTBOOK_PROGRAM");
    gui::Display::useWindowed(QSize(800, 600));
    for (const Program& program : programs) {
        if (!only.isEmpty() && only != program.name)
            continue;
        std::fprintf(stderr, "random input to %s: seed %llu (TEXTBOOK_SEED=%llu repeats it)\n",
                     program.name, static_cast<unsigned long long>(seed),
                     static_cast<unsigned long long>(seed));
        SCOPED_TRACE("seed " + std::to_string(seed));
        Session(program, seed, events).run();
    }
}

} // namespace

// The Qt application outlives every run of the programs, which therefore leave it alone.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
