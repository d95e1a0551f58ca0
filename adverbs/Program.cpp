#include "adverbs/Program.h"

#include "adverbs/frame/MainMenu.h"
#include "adverbs/test/TestScreens.h"
#include "gui/Application.h"
#include "shared/Screens.h"
#include "shared/Splash.h"

namespace adverbs {

void registerScreens()
{
    shared::registerScreen("TMain", [] { return std::make_unique<TMain>(); });
    shared::registerScreen("TLogo",
                           [] { return std::make_unique<shared::TLogo>("adverbs/frame/logo1"); });
    registerTestScreens();
    registerPracticeScreens();
}

int run(int argc, char** argv)
{
    gui::Application& application = gui::Application::instance();
    application.Initialize(argc, argv);
    registerScreens();
    shared::CreateForm("TMain");
    shared::CreateForm("TLogo");
    return application.Run();
}

} // namespace adverbs
