#include "adverbs/Program.h"

#include "adverbs/frame/MainMenu.h"
#include "adverbs/practice/SpellingExercises.h"
#include "adverbs/test/TestScreens.h"
#include "adverbs/theory/TheoryScreens.h"
#include "gui/Application.h"
#include "shared/Splash.h"

namespace adverbs {

void registerScreens()
{
    shared::registerDeclaredScreen<TMain>();
    shared::registerScreenClass<shared::TLogo>({"TLogo", "adverbs/frame/logo1"});
    registerTestScreens();
    registerPracticeScreens();
    registerTheoryScreens();
}

int run(int argc, char** argv)
{
    gui::Application& application = gui::Application::instance();
    application.Initialize(argc, argv);
    registerScreens();
    shared::CreateForm("TMain");
    shared::CreateForm("TLogo");
    createStartUpInstances(); // 7.б, 8.б and 10.б, kept hidden
    return application.Run();
}

} // namespace adverbs
