#include "shared/Screens.h"

#include "gui/Application.h"

#include <QHash>
#include <QPointer>
#include <stdexcept>

namespace shared {
namespace {

QHash<QString, ScreenFactory>& factories()
{
    static QHash<QString, ScreenFactory> registry;
    return registry;
}

QHash<QString, QPointer<gui::Form>>& instances()
{
    static QHash<QString, QPointer<gui::Form>> newest;
    return newest;
}

} // namespace

void registerScreen(const QString& className, ScreenFactory factory)
{
    factories().insert(className, std::move(factory));
}

bool isRegistered(const QString& className)
{
    return factories().contains(className);
}

QStringList registeredClasses()
{
    QStringList names = factories().keys();
    names.sort();
    return names;
}

gui::Form* createScreen(const QString& className)
{
    auto it = factories().constFind(className);
    if (it == factories().constEnd())
        throw std::logic_error(("no screen class " + className).toStdString());
    std::unique_ptr<gui::Form> form = (*it)();
    gui::Form* raw = form.get();
    instances().insert(className, raw);
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
    return instances().value(className);
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
