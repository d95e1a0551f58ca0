#include "adverbs/practice/Congratulation.h"

#include "adverbs/practice/CompletionStep.h"
#include "adverbs/practice/PracticeProgress.h"
#include "shared/Fitting.h"

namespace adverbs {

TForm27::TForm27()
    : Form("adverbs/practice/unit27")
{
    onClick("BitBtn2", [this] { BitBtn2Click(); });
    onClick("BitBtn1", [this] { BitBtn1Click(); });
}

void TForm27::FormCreate()
{
    shared::FitToScreen(*this, shared::FullScreenPlacement);
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
