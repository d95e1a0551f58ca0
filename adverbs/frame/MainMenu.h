#pragma once

#include "shared/Screen.h"

namespace adverbs {

// The main menu of the adverb course and the program's main screen. Before it first appears it
// runs the splash screen modally.
class TMain : public shared::Screen {
public:
    static shared::ScreenDeclaration declaration();

    TMain();

    void FormShow() override;
};

} // namespace adverbs
