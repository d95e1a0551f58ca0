#include "shared/TestQuestion.h"

#include "shared/Screens.h"

#include <stdexcept>

namespace shared {

TestQuestion::TestQuestion(TestQuestionDeclaration declaration)
    : Screen({declaration.id, FullScreenPlacement, declaration.closeButton, {}})
    , declaration_(std::move(declaration))
{
    onClick(declaration_.answerButton, [this] { recordAnswer(); });
}

void TestQuestion::recordAnswer()
{
    // Only the right option is looked at: a wrong choice and no choice are the same answer.
    *declaration_.flag = radio(declaration_.rightOption).isChecked();
    OpenNext(*this, declaration_.next);
}

void registerTestSequence(const TestSequence& sequence)
{
    if (sequence.questions.size() != sequence.flags.size())
        throw std::logic_error(("a test of " + sequence.folder + " with " +
                                QString::number(sequence.questions.size()) + " questions and " +
                                QString::number(sequence.flags.size()) + " answer flags")
                                   .toStdString());
    for (std::size_t i = 0; i < sequence.questions.size(); ++i) {
        const TestRow& row = sequence.questions[i];
        const QString next =
            i + 1 < sequence.questions.size() ? sequence.questions[i + 1].screen : sequence.result;
        const TestQuestionDeclaration declaration{unitScreen(sequence.folder, row.screen),
                                                  row.rightOption, &sequence.flags[i], next};
        registerScreen(row.screen,
                       [declaration] { return std::make_unique<TestQuestion>(declaration); },
                       {next});
    }
}

} // namespace shared
