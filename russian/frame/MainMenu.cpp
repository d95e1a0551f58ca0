#include "MainMenu.h"

#include "Application.h"
#include "Fitting.h"
#include "Screens.h"
#include "Splash.h"

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
    auto* logo = application.create<frame::TLogo>("russian/frame/logo1");
    logo->ShowModal();
    application.destroy(logo);
    frame::FitToScreen(*this, frame::TopHalfPlacement);
}

void TMainForm::Label6Click()
{
    frame::OpenForm("TForm29");
}

} // namespace russian
