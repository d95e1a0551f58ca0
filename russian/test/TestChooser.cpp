#include "russian/test/TestChooser.h"

#include "shared/Fitting.h"
#include "shared/Screens.h"

namespace russian {

TForm29::TForm29()
    : Form("russian/test/unit29")
{
    onClick("BitBtn1", [this] { BitBtn1Click(); });
    onClick("BitBtn2", [this] { BitBtn2Click(); });
}

void TForm29::FormCreate()
{
    shared::FitToScreen(*this, shared::FullScreenPlacement);
}

void TForm29::BitBtn1Click()
{
    shared::OpenForm("TForm30");
}

void TForm29::BitBtn2Click()
{
    shared::OpenForm("TForm50");
}

} // namespace russian
