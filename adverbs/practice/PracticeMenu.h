#pragma once

#include "shared/Screen.h"

namespace adverbs {

// The practice menu: the ten exercises, each opening its first screen and showing "Выполнено"
// once done. Each time it becomes active it updates the marks and runs the completion gate.
class TForm16 : public shared::Screen {
public:
    static shared::ScreenDeclaration declaration();

    TForm16();

    void FormActivate() override;
};

} // namespace adverbs
