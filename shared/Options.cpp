#include "shared/Options.h"

#include "gui/Label.h"
#include "shared/Messages.h"

#include <algorithm>

namespace shared {

bool isSelected(const gui::Label& label)
{
    return label.color() == SelectedColor;
}

void toggleOption(gui::Label& label)
{
    label.setColor(isSelected(label) ? UnselectedColor : SelectedColor);
}

void chooseOption(gui::Label& clicked, const std::vector<gui::Label*>& mates, ChoiceRule rule)
{
    if (rule == ChoiceRule::GuardedUnselected && clicked.color() != UnselectedColor)
        return;
    if (rule == ChoiceRule::GuardedNotSelected && isSelected(clicked))
        return;
    clicked.setColor(SelectedColor);
    for (gui::Label* mate : mates)
        if (mate != &clicked)
            mate->setColor(UnselectedColor);
}

bool CheckAnswer(std::initializer_list<bool> tests)
{
    if (std::all_of(tests.begin(), tests.end(), [](bool passed) { return passed; }))
        return true;
    RetryMessage();
    return false;
}

} // namespace shared
