#include "TestChooser.h"

#include "Fitting.h"
#include "Screens.h"

namespace russian {

TForm29::TForm29()
    : Form("russian/test/unit29")
{
    onClick("BitBtn1", [this] { BitBtn1Click(); });
    onClick("BitBtn2", [this] { BitBtn2Click(); });
}

void TForm29::FormCreate()
{
    frame::FitToScreen(*this, frame::FullScreenPlacement);
}

void TForm29::BitBtn1Click()
{
    frame::OpenForm("TForm30");
}

void TForm29::BitBtn2Click()
{
    frame::OpenForm("TForm50");
}

} // namespace russian
