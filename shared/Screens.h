#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace gui {
class Form;
struct FormId;
} // namespace gui

namespace shared {

// Every screen class of a program is registered under its class name; the newest instance of
// each class is that class's instance.
using ScreenFactory = std::function<std::unique_ptr<gui::Form>()>;

// Registers a screen class with the classes it can open (by a click, a chain or a next screen),
// so that a test can see that each of them exists. A class registered twice is an error.
void registerScreen(const QString& className, ScreenFactory make, QStringList opens = {});
// Forgets every registered class (between tests).
void clearScreens();

// The registered class names, sorted.
QStringList registeredClasses();
// The classes a registered class can open; opening a class that is not registered is an error.
QStringList screensOpenedBy(const QString& className);

// The form id of a screen whose layout lies in the folder as "unitN.yaml", N being the number in
// its class name: ("adverbs/test", "TForm28") → TForm28 with layout "adverbs/test/unit28".
gui::FormId unitScreen(const QString& folder, const QString& className);

// Creates a new instance of the class, owned by the application, and remembers it as the class's
// instance. The creation handler has run when it returns; the screen is not shown yet.
gui::Form* createScreen(const QString& className);
// createScreen, and the first screen so made becomes the program's main screen.
gui::Form* CreateForm(const QString& className);
// The newest instance of the class, or null.
gui::Form* instanceOf(const QString& className);

// createScreen, then Show without waiting: the new screen lies on top of all others.
gui::Form* OpenForm(const QString& className);
// Close on the current screen, then OpenForm.
gui::Form* OpenNext(gui::Form& current, const QString& className);

} // namespace shared
