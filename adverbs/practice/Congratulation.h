#pragma once

#include "gui/Form.h"

namespace adverbs {

// Shown once, when every exercise of the practice is done; leads on to the test.
class TForm27 : public gui::Form {
public:
    TForm27();

    void FormCreate() override;
    void BitBtn2Click();
    void BitBtn1Click();
};

} // namespace adverbs
