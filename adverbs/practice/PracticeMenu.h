#pragma once

#include "gui/Form.h"

namespace adverbs {

// The practice menu: the ten exercises, each opening its first screen and showing "Выполнено"
// once done. Each time it becomes active it updates the marks and runs the completion gate.
class TForm16 : public gui::Form {
public:
    TForm16();

    void FormCreate() override;
    void FormActivate() override;
    void BitBtn2Click();
    void BitBtn1Click();
};

} // namespace adverbs
