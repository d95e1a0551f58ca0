#pragma once

#include "shared/Screen.h"

#include <span>

namespace shared {

// The least numbers of right answers that earn a 5, a 4 and a 3; fewer earn a 2.
struct GradeThresholds {
    int five;
    int four;
    int three;
};

// What makes one result screen: its class and layout, the answer flags of its test (question q at
// index q - 1) and the grade thresholds.
struct TestResultDeclaration {
    gui::FormId id;
    std::span<const bool> flags;
    GradeThresholds thresholds;
};

// The result of a test, evaluated once when the screen is made: the count of right answers, the
// percentage, the grade, the questions answered wrong and a pie chart of right against wrong.
class TestResult : public Screen {
public:
    explicit TestResult(TestResultDeclaration declaration);

    void FormCreate() override;

private:
    TestResultDeclaration declaration_;
};

void registerTestResult(const TestResultDeclaration& declaration);

} // namespace shared
