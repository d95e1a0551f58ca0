#include "MainMenu.h"

#include "Fitting.h"
#include "Screens.h"

namespace adverbs {

TMain::TMain()
    : Form("adverbs/frame/mainunit")
{
    // An entry is live once the screen it opens is part of the program.
    if (frame::isRegistered("TForm1"))
        onClick("Label2", [this] { Label2Click(); });
    onClick("Label3", [this] { Label3Click(); });
    onClick("Label4", [this] { Label4Click(); });
}

void TMain::FormCreate()
{
    frame::FitToScreen(*this, frame::TopHalfPlacement);
}

void TMain::FormShow()
{
    if (gui::Form* logo = frame::instanceOf("TLogo"))
        logo->ShowModal();
}

void TMain::Label2Click()
{
    frame::OpenForm("TForm1");
}

void TMain::Label3Click()
{
    frame::OpenForm("TForm16");
}

void TMain::Label4Click()
{
    frame::OpenForm("TForm28");
}

} // namespace adverbs
