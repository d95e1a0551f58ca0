#pragma once

#include "gui/Form.h"

namespace russian {

// The test chooser: "Тест 1" and "Тест 2" start a variant over it; it stays open beneath the test.
class TForm29 : public gui::Form {
public:
    TForm29();

    void FormCreate() override;
    void BitBtn1Click();
    void BitBtn2Click();
};

} // namespace russian
