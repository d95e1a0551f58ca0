#include "russian/Program.h"

#include "gui/Application.h"
#include "russian/frame/MainMenu.h"
#include "russian/practice/PracticeScreens.h"
#include "russian/test/TestScreens.h"
#include "russian/theory/TheoryScreens.h"
#include "shared/Splash.h"

namespace russian {

void registerScreens()
{
    shared::registerDeclaredScreen<TMainForm>();
    shared::registerScreenClass<shared::TLogo>({"TLogo", "russian/frame/logo1"});
    registerTestScreens();
    registerTheoryScreens();
    registerPracticeScreens();
}

int run(int argc, char** argv)
{
    gui::Application& application = gui::Application::instance();
    application.Initialize(argc, argv);
    registerScreens();
    shared::CreateForm("TMainForm");
    return application.Run();
}

} // namespace russian
