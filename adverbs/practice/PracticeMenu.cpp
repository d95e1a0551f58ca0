#include "adverbs/practice/PracticeMenu.h"

#include "adverbs/practice/CompletionStep.h"
#include "adverbs/practice/PracticeChain.h"
#include "adverbs/practice/PracticeProgress.h"
#include "shared/Screens.h"

#include <array>

namespace adverbs {
namespace {

struct MenuItem {
    const char* label;
    const char* doneMark; // "Выполнено"; it only informs and takes no clicks
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

shared::ScreenDeclaration TForm16::declaration()
{
    // The menu stays open under the exercise.
    std::vector<shared::Link> links;
    for (const MenuItem& item : items)
        links.push_back({item.label, item.firstScreen});
    links.push_back({"BitBtn2", "TForm17"}); // "Практика"
    return {{"TForm16", "adverbs/practice/unit16"},
            shared::Placement::AdverbsPractice,
            "BitBtn1", // "Закрыть"
            links};
}

TForm16::TForm16()
    : Screen(declaration())
{
}

void TForm16::FormActivate()
{
    const PracticeProgress& progress = practiceProgress();
    for (int i = 0; i < PracticeProgress::ExerciseCount; ++i)
        if (progress.PracticeDone[i])
            label(items[i].doneMark).setShown(true);
    if (CompletionGate(progress))
        shared::OpenForm(CongratulationScreen);
}

} // namespace adverbs
