#pragma once

#include "gui/Form.h"

namespace russian {

// The main menu of the participle course and the program's main screen. While it is made it runs
// the splash screen modally and destroys it, so the menu is fitted and shown only afterwards.
class TMainForm : public gui::Form {
public:
    TMainForm();

    void FormCreate() override;
    void Label6Click();
};

} // namespace russian
