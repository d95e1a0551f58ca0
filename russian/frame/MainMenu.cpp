#include "russian/frame/MainMenu.h"

#include "gui/Application.h"
#include "shared/Fitting.h"
#include "shared/Screens.h"
#include "shared/Splash.h"

namespace russian {

TMainForm::TMainForm()
    : Form("russian/frame/main")
{
    onClick("Label6", [this] { Label6Click(); });
}

void TMainForm::FormCreate()
{
    // The splash is the application's but never its main screen; it is gone before the menu fits.
    gui::Application& application = gui::Application::instance();
    auto* logo = application.create<shared::TLogo>("russian/frame/logo1");
    logo->ShowModal();
    application.destroy(logo);
    shared::FitToScreen(*this, shared::TopHalfPlacement);
}

void TMainForm::Label6Click()
{
    shared::OpenForm("TForm29");
}

} // namespace russian
