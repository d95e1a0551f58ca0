#include "Program.h"

#include "Application.h"
#include "Screens.h"
#include "Splash.h"
#include "frame/MainMenu.h"
#include "test/TestScreens.h"

namespace russian {

void registerScreens()
{
    frame::registerScreen("TMainForm", [] { return std::make_unique<TMainForm>(); });
    frame::registerScreen("TLogo",
                          [] { return std::make_unique<frame::TLogo>("russian/frame/logo1"); });
    registerTestScreens();
}

int run(int argc, char** argv)
{
    gui::Application& application = gui::Application::instance();
    application.Initialize(argc, argv);
    registerScreens();
    frame::CreateForm("TMainForm");
    return application.Run();
}

} // namespace russian
