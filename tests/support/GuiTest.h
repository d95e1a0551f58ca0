#pragma once

#include "gui/Application.h"
#include "gui/Display.h"
#include "gui/Form.h"
#include "gui/MessageBox.h"

#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace testing_support {

// A headless test of screens: a windowed display of a chosen size, message boxes recorded and
// dismissed at once, no screen class registered at the start, and every form destroyed after
// each test.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts over with a display of another size.
    void useDisplay(int width, int height);

    // The texts of the message boxes shown so far, oldest first.
    QStringList messages;

    // Lets queued events run (timers that are due, deferred deletions, paints).
    static void processEvents();
};

// Makes a form of the test's own, owned by the application, and runs its creation handler.
template <class T = gui::Form, class... Args> T* makeForm(Args&&... args)
{
    auto form = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = form.get();
    gui::Application::instance().adopt(std::move(form));
    return raw;
}

// A plain form of a layout under tests/<folder>/layouts/; "keys" makes a form of class "TKeys".
gui::Form* fixtureForm(const QString& folder, const QString& layout);
gui::FormId fixtureId(const QString& folder, const QString& layout);

// Installs the recording of message boxes; tests that keep boxes open can set their own observer.
void recordMessages(QStringList& into);

// Clicks a graphic control (a label, shape or image) the way the mouse does, at its centre.
void clickControl(gui::Form& form, const QString& name);
// A double click as the mouse delivers it: a press and a release, then the second press as a
// double click and its release. The second half goes to `second` (by default the same widget):
// the widget under the mouse once the first click has done its work.
void doubleClick(QWidget* first, const QPoint& at, QWidget* second = nullptr);
// Sends a key press and release to the widget that has the keyboard focus, else to the form.
void pressKey(gui::Form& form, int key);

} // namespace testing_support
