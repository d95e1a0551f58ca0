#pragma once

#include "shared/Screen.h"

namespace adverbs {

// Shown once, when every exercise of the practice is done; leads on to the test.
class TForm27 : public shared::Screen {
public:
    static shared::ScreenDeclaration declaration();

    TForm27();

    void FormCreate() override;
};

} // namespace adverbs
