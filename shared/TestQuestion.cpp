#include "shared/TestQuestion.h"

#include "shared/Screens.h"

namespace shared {

TestQuestion::TestQuestion(TestQuestionDeclaration declaration)
    : Form(declaration.layoutPath)
    , declaration_(std::move(declaration))
{
    onClick("BitBtn1", [this] { BitBtn1Click(); });
    onClick("BitBtn2", [this] { BitBtn2Click(); });
}

void TestQuestion::FormCreate()
{
    FitToScreen(*this, FullScreenPlacement, declaration_.exceptions);
}

void TestQuestion::BitBtn1Click()
{
    // Only the right option is looked at: a wrong choice and no choice are the same answer.
    *declaration_.flag = radio(declaration_.rightOption).isChecked();
    OpenNext(*this, declaration_.next);
}

void TestQuestion::BitBtn2Click()
{
    Close();
}

void registerTestQuestion(const TestQuestionDeclaration& declaration)
{
    registerScreen(declaration.className,
                   [declaration] { return std::make_unique<TestQuestion>(declaration); });
}

} // namespace shared
