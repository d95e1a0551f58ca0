#include "adverbs/frame/MainMenu.h"

#include "shared/Fitting.h"
#include "shared/Screens.h"

namespace adverbs {

TMain::TMain()
    : Form("adverbs/frame/mainunit")
{
    // An entry is live once the screen it opens is part of the program.
    if (shared::isRegistered("TForm1"))
        onClick("Label2", [this] { Label2Click(); });
    onClick("Label3", [this] { Label3Click(); });
    onClick("Label4", [this] { Label4Click(); });
}

void TMain::FormCreate()
{
    shared::FitToScreen(*this, shared::TopHalfPlacement);
}

void TMain::FormShow()
{
    if (gui::Form* logo = shared::instanceOf("TLogo"))
        logo->ShowModal();
}

void TMain::Label2Click()
{
    shared::OpenForm("TForm1");
}

void TMain::Label3Click()
{
    shared::OpenForm("TForm16");
}

void TMain::Label4Click()
{
    shared::OpenForm("TForm28");
}

} // namespace adverbs
