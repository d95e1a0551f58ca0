#pragma once

#include "gui/Form.h"

namespace adverbs {

// The main menu of the adverb course and the program's main screen. Before it first appears it
// runs the splash screen modally.
class TMain : public gui::Form {
public:
    TMain();

    void FormCreate() override;
    void FormShow() override;
    void Label2Click();
    void Label3Click();
    void Label4Click();
};

} // namespace adverbs
