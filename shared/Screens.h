#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace gui {
class Form;
}

namespace shared {

// Every screen class of a program is registered under its class name; the newest instance of
// each class is that class's instance.
using ScreenFactory = std::function<std::unique_ptr<gui::Form>()>;

void registerScreen(const QString& className, ScreenFactory factory);
bool isRegistered(const QString& className);
// The registered class names, sorted.
QStringList registeredClasses();

// Creates a new instance of the class, owned by the application, and remembers it as the class's
// instance. The creation handler has run when it returns; the screen is not shown yet.
gui::Form* createScreen(const QString& className);
// createScreen through the application's CreateForm: the first screen so created becomes the
// main screen.
gui::Form* CreateForm(const QString& className);
// The newest instance of the class, or null.
gui::Form* instanceOf(const QString& className);

// createScreen, then Show without waiting: the new screen lies on top of all others.
gui::Form* OpenForm(const QString& className);
// Close on the current screen, then OpenForm.
gui::Form* OpenNext(gui::Form& current, const QString& className);

} // namespace shared
