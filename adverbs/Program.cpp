#include "Program.h"

#include "Application.h"
#include "Screens.h"
#include "Splash.h"
#include "frame/MainMenu.h"
#include "test/TestScreens.h"

namespace adverbs {

void registerScreens()
{
    frame::registerScreen("TMain", [] { return std::make_unique<TMain>(); });
    frame::registerScreen("TLogo",
                          [] { return std::make_unique<frame::TLogo>("adverbs/frame/logo1"); });
    registerTestScreens();
    registerPracticeScreens();
}

int run(int argc, char** argv)
{
    gui::Application& application = gui::Application::instance();
    application.Initialize(argc, argv);
    registerScreens();
    frame::CreateForm("TMain");
    frame::CreateForm("TLogo");
    return application.Run();
}

} // namespace adverbs
