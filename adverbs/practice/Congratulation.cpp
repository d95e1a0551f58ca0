#include "Congratulation.h"

#include "CompletionStep.h"
#include "Fitting.h"
#include "PracticeProgress.h"

namespace adverbs {

TForm27::TForm27()
    : Form("adverbs/practice/unit27")
{
    onClick("BitBtn2", [this] { BitBtn2Click(); });
    onClick("BitBtn1", [this] { BitBtn1Click(); });
}

void TForm27::FormCreate()
{
    frame::FitToScreen(*this, frame::FullScreenPlacement);
    practiceProgress().CongratsShown = true;
}

void TForm27::BitBtn2Click()
{
    Close();
    openIfPresent("TForm28");
}

void TForm27::BitBtn1Click()
{
    Close();
}

} // namespace adverbs
