#include "gui/Application.h"

#include "gui/Display.h"
#include "gui/Font.h"

#include <QApplication>
#include <algorithm>

namespace gui {

Application& Application::instance()
{
    static Application application;
    return application;
}

void Application::Initialize(int& argc, char** argv)
{
    if (!QApplication::instance())
        qtApp_ = std::make_unique<QApplication>(argc, argv);
    // One look on every desktop: the layouts place texts beside radio buttons and check boxes,
    // whose indicator sizes differ from style to style.
    QApplication::setStyle("Fusion");
    registerFontSubstitutes();
}

Form* Application::adopt(std::unique_ptr<Form> form)
{
    Form* raw = form.get();
    forms_.push_back(std::move(form));
    Display::instance().attach(raw);
    QObject::connect(raw, &Form::mainFormClosed, [this] { terminate(); });
    raw->FormCreate();
    return raw;
}

void Application::claimMainForm(Form* form)
{
    if (mainForm_)
        return;
    mainForm_ = form;
    form->setMainForm(true);
}

void Application::destroy(Form* form)
{
    auto it = std::find_if(forms_.begin(), forms_.end(),
                           [form](const std::unique_ptr<Form>& f) { return f.get() == form; });
    if (it == forms_.end())
        return;
    std::unique_ptr<Form> doomed = std::move(*it);
    forms_.erase(it);
    if (mainForm_ == form)
        mainForm_ = nullptr;
}

int Application::Run()
{
    if (mainForm_ && !terminated_)
        mainForm_->Show();
    if (mainForm_ && !terminated_) {
        running_ = true;
        QApplication::exec();
        running_ = false;
    }
    shutdown();
    return 0;
}

void Application::terminate()
{
    terminated_ = true;
    // Outside the program's loop an exit request would make every later loop return at once.
    if (running_)
        QApplication::exit(0);
}

void Application::reset()
{
    // Forms may refer to one another while they go; drop them newest first.
    while (!forms_.empty())
        forms_.pop_back();
    mainForm_ = nullptr;
    terminated_ = false;
}

void Application::shutdown()
{
    reset();
    Display::instance().reset();
    qtApp_.reset();
}

} // namespace gui
