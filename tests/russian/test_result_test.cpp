#include "tests/support/GuiTest.h"
#include "tests/support/TestPass.h"

#include "russian/Program.h"
#include "russian/test/AnswerFlags.h"

namespace {

class ParticipleTestResultTest : public testing_support::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        russian::registerScreens();
    }
};

TEST_F(ParticipleTestResultTest, CountPercentageAndGradeFollowTheRightAnswers)
{
    const testing_support::ResultRow rows[] = {
        {18, "заданий из 18", "(100% )", "5"}, {17, "заданий из 18", "(94% )", "5"},
        {16, "заданий из 18", "(89% )", "4"},  {13, "заданий из 18", "(72% )", "4"},
        {12, "заданий из 18", "(67% )", "3"},  {9, "заданий из 18", "(50% )", "3"},
        {8, "заданий из 18", "(44% )", "2"},   {3, "задания из 18", "(17% )", "2"},
        {1, "задание из 18", "(6% )", "2"},    {0, "заданий из 18", "(0% )", "2"},
    };
    for (const testing_support::ResultRow& row : rows) {
        testing_support::setRightCount(russian::AnswerFlags, row.right);
        testing_support::expectResult(*shared::createScreen("TForm49"), row);
        testing_support::expectResult(*shared::createScreen("TForm69"), row);
    }
}

} // namespace
