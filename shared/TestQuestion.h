#pragma once

#include "gui/Form.h"
#include "shared/Fitting.h"

namespace shared {

// What makes one test question: its screen class and layout, the radio button that holds the
// right option, the answer flag it writes, the screen that follows and any sizes kept unscaled.
struct TestQuestionDeclaration {
    QString className;
    QString layoutPath;
    QString rightOption;
    bool* flag = nullptr;
    QString next;
    FitExceptions exceptions = {};
};

// A question of a test: the options are radio buttons, "Я ответил/а" records the answer without
// any feedback and moves on, "Закрыть" stops the test. An unanswered question counts as wrong.
// Whether "Закрыть" is a cancel button (Esc) or closes by itself is the layout's choice.
class TestQuestion : public gui::Form {
public:
    explicit TestQuestion(TestQuestionDeclaration declaration);

    void FormCreate() override;
    void BitBtn1Click();
    void BitBtn2Click();

private:
    TestQuestionDeclaration declaration_;
};

void registerTestQuestion(const TestQuestionDeclaration& declaration);

} // namespace shared
