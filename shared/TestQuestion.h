#pragma once

#include "shared/Screen.h"

#include <span>
#include <vector>

namespace shared {

// What makes one test question: its screen, the radio button that holds the right option, the
// answer flag it writes and the screen that follows.
struct TestQuestionDeclaration {
    gui::FormId id;
    QString rightOption;
    bool* flag = nullptr;
    QString next;
    QString answerButton = "BitBtn1"; // "Я ответил/а"
    QString closeButton = "BitBtn2";  // "Закрыть"
};

// A question of a test: the options are radio buttons, the answer button records the answer
// without any feedback and moves on, the close button stops the test. An unanswered question
// counts as wrong. Whether "Закрыть" is a cancel button (Esc) or closes by itself is the layout's
// choice.
class TestQuestion : public Screen {
public:
    explicit TestQuestion(TestQuestionDeclaration declaration);

    void recordAnswer();

private:
    TestQuestionDeclaration declaration_;
};

// One question of a test in its place: its class and its right option.
struct TestRow {
    QString screen;
    QString rightOption;
};

// A test as its questions in order: question i writes flag i and opens question i + 1, the last
// one opens the result screen. Each question's layout is "unitN.yaml" of the folder.
struct TestSequence {
    QString folder;
    std::span<bool> flags;
    std::vector<TestRow> questions;
    QString result;
};

void registerTestSequence(const TestSequence& sequence);

} // namespace shared
