#include "adverbs/Program.h"

#include "adverbs/frame/MainMenu.h"
#include "adverbs/test/TestScreens.h"
#include "gui/Application.h"
#include "shared/Splash.h"

namespace adverbs {

void registerScreens()
{
    shared::setScreensToBuild({"TForm1", "TForm21", "TForm23", "TForm24", "TForm25", "TForm26",
                               "TForm45", "TForm47", "TForm48", "TForm49"});
    shared::registerDeclaredScreen<TMain>();
    shared::registerScreenClass<shared::TLogo>({"TLogo", "adverbs/frame/logo1"});
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
