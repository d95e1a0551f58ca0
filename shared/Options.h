#pragma once

#include "gui/Color.h"

#include <initializer_list>
#include <vector>

namespace gui {
class Label;
}

namespace shared {

// An option label's font colour is its state.
inline constexpr gui::Color SelectedColor = gui::clBlue;
inline constexpr gui::Color UnselectedColor = gui::clBlack;

bool isSelected(const gui::Label& label);

// Toggle rule: a selected label becomes unselected, any other becomes selected.
void toggleOption(gui::Label& label);

// The choice-group rule. Unconditional: the clicked label becomes selected and its mates
// unselected, also when it was selected already. Guarded: the same, but only while the clicked
// label is not chosen; the adverb course tests that its colour is exactly UnselectedColor, the
// participle course that it is not exactly SelectedColor.
enum class ChoiceRule { Unconditional, GuardedUnselected, GuardedNotSelected };

void chooseOption(gui::Label& clicked, const std::vector<gui::Label*>& mates, ChoiceRule rule);

// The check convention: the tests, in their fixed order, all hold → true. At the first that
// fails the retry message is shown and the answer is wrong; nothing else changes.
bool CheckAnswer(std::initializer_list<bool> tests);

} // namespace shared
