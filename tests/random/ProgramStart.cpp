#include "tests/random/ProgramStart.h"

#include "adverbs/Program.h"
#include "gui/Application.h"
#include "gui/Display.h"
#include "gui/Form.h"
#include "russian/Program.h"
#include "shared/Screens.h"

#include <QTimer>
#include <stdexcept>

namespace testing_support {

const Program& programNamed(const QString& name)
{
    static const Program programs[] = {
        {"adverbs", "TMain", {"TMain", "TLogo"}, adverbs::registerScreens},
        {"russian", "TMainForm", {"TMainForm"}, russian::registerScreens},
    };
    for (const Program& program : programs)
        if (program.name == name)
            return program;
    throw std::invalid_argument("no program named " + name.toStdString());
}

gui::Form& startProgram(const Program& program)
{
    QTimer splashCloser;
    QObject::connect(&splashCloser, &QTimer::timeout, [] {
        if (auto* modal = qobject_cast<gui::Form*>(gui::Display::instance().modalWindow()))
            modal->Close();
    });
    splashCloser.start(0);

    program.registerScreens();
    for (const QString& className : program.createdAtStart)
        shared::CreateForm(className);
    gui::Form* main = gui::Application::instance().mainForm();
    if (!main || main->className() != program.mainClass)
        throw std::logic_error("the start-up made no main screen " +
                               program.mainClass.toStdString());
    main->Show();
    return *main;
}

} // namespace testing_support
