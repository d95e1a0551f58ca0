#include "adverbs/practice/PracticeMenu.h"

#include "adverbs/practice/CompletionStep.h"
#include "adverbs/practice/PracticeChain.h"
#include "adverbs/practice/PracticeProgress.h"
#include "shared/Fitting.h"
#include "shared/Screens.h"

#include <array>

namespace adverbs {
namespace {

struct MenuItem {
    const char* label;
    const char* doneMark;
    const char* firstScreen;
};

// In the order of PracticeDone.
constexpr std::array<MenuItem, PracticeProgress::ExerciseCount> items = {{
    {"Label13", "Label12", "TForm17"},
    {"Label2", "Label14", "TForm18"},
    {"Label3", "Label15", "TForm20"},
    {"Label4", "Label16", "TForm21"},
    {"Label5", "Label17", "TForm22"},
    {"Label6", "Label18", "TForm23"},
    {"Label8", "Label19", "TForm24"},
    {"Label9", "Label20", "TForm25"},
    {"Label10", "Label21", "TForm26"},
    {"Label22", "Label23", "TForm45"},
}};

} // namespace

TForm16::TForm16()
    : Form("adverbs/practice/unit16")
{
    // An item is live once its first screen is part of the program. The menu stays open under
    // the exercise.
    for (const MenuItem& item : items)
        if (shared::isRegistered(item.firstScreen))
            onClick(item.label, [screen = QString(item.firstScreen)] { shared::OpenForm(screen); });
    // The done marks only inform: they take no clicks.
    onClick("BitBtn2", [this] { BitBtn2Click(); });
    onClick("BitBtn1", [this] { BitBtn1Click(); });
}

void TForm16::FormCreate()
{
    shared::FitToScreen(*this, shared::Placement::AdverbsPractice);
}

void TForm16::FormActivate()
{
    const PracticeProgress& progress = practiceProgress();
    for (int i = 0; i < PracticeProgress::ExerciseCount; ++i)
        if (progress.PracticeDone[i])
            label(items[i].doneMark).setShown(true);
    if (CompletionGate(progress))
        openIfPresent(CongratulationScreen);
}

void TForm16::BitBtn2Click()
{
    shared::OpenForm("TForm17");
}

void TForm16::BitBtn1Click()
{
    Close();
}

} // namespace adverbs
