#pragma once

#include "shared/Screen.h"

namespace russian {

// The main menu of the participle course and the program's main screen. While it is made it runs
// the splash screen modally and destroys it, so the menu is fitted and shown only afterwards.
class TMainForm : public shared::Screen {
public:
    static shared::ScreenDeclaration declaration();

    TMainForm();

    void FormCreate() override;
};

} // namespace russian
