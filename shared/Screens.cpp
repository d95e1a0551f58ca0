#include "shared/Screens.h"

#include "gui/Application.h"

#include <QHash>
#include <QPointer>
#include <QRegularExpression>
#include <stdexcept>

namespace shared {
namespace {

struct Registration {
    ScreenFactory make;
    QStringList opens;
};

struct Registry {
    QHash<QString, Registration> classes;
    QHash<QString, QPointer<gui::Form>> newest;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

[[noreturn]] void noSuchClass(const QString& className)
{
    throw std::logic_error(("no screen class " + className).toStdString());
}

} // namespace

void registerScreen(const QString& className, ScreenFactory make, QStringList opens)
{
    Registry& r = registry();
    if (r.classes.contains(className))
        throw std::logic_error(("screen class " + className + " registered twice").toStdString());
    r.classes.insert(className, {std::move(make), std::move(opens)});
}

void clearScreens()
{
    registry() = {};
}

QStringList registeredClasses()
{
    QStringList names = registry().classes.keys();
    names.sort();
    return names;
}

QStringList screensOpenedBy(const QString& className)
{
    auto it = registry().classes.constFind(className);
    if (it == registry().classes.constEnd())
        noSuchClass(className);
    return it->opens;
}

gui::FormId unitScreen(const QString& folder, const QString& className)
{
    static const QRegularExpression number("\\d+$");
    return {className, folder + "/unit" + number.match(className).captured()};
}

gui::Form* createScreen(const QString& className)
{
    auto it = registry().classes.constFind(className);
    if (it == registry().classes.constEnd())
        noSuchClass(className);
    std::unique_ptr<gui::Form> form = it->make();
    if (form->className() != className)
        throw std::logic_error(
            ("screen class " + className + " makes a " + form->className()).toStdString());
    gui::Form* raw = form.get();
    registry().newest.insert(className, raw);
    gui::Application::instance().adopt(std::move(form));
    return raw;
}

gui::Form* CreateForm(const QString& className)
{
    gui::Form* form = createScreen(className);
    gui::Application::instance().claimMainForm(form);
    return form;
}

gui::Form* instanceOf(const QString& className)
{
    return registry().newest.value(className);
}

gui::Form* OpenForm(const QString& className)
{
    gui::Form* form = createScreen(className);
    form->Show();
    return form;
}

gui::Form* OpenNext(gui::Form& current, const QString& className)
{
    current.Close();
    return OpenForm(className);
}

} // namespace shared
