#include "tests/support/GuiTest.h"
#include "tests/support/TestPass.h"

#include "adverbs/Program.h"
#include "adverbs/test/AnswerFlags.h"

namespace {

using testing_support::answerQuestions;

const QStringList Questions = {"TForm28", "TForm29", "TForm30", "TForm31", "TForm32",
                               "TForm33", "TForm34", "TForm35", "TForm36", "TForm37",
                               "TForm38", "TForm39", "TForm40", "TForm41", "TForm42"};
const std::vector<int> RightOptions = {1, 4, 1, 4, 3, 3, 4, 4, 3, 1, 2, 2, 3, 3, 4};

class AdverbTestPassTest : public testing_support::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        adverbs::registerScreens();
    }

    static std::vector<bool> flags()
    {
        return std::vector<bool>(adverbs::AnswerFlags.begin(), adverbs::AnswerFlags.end());
    }
};

TEST_F(AdverbTestPassTest, AWholePassFromTheMenuEndsOnItsResult)
{
    gui::Form& menu = *shared::createScreen("TMain");
    menu.Show();
    testing_support::clickControl(menu, "Label4");

    // Only the state at the press counts: a wrong option first, then the right one.
    shared::instanceOf("TForm28")->radio("RadioButton2").click();
    std::vector<int> options = RightOptions;
    options[2] = 2;  // question 3 wrong
    options[14] = 0; // question 15 left unanswered
    answerQuestions(Questions, options);

    std::vector<bool> expected(15, true);
    expected[2] = expected[14] = false;
    EXPECT_EQ(flags(), expected);
    gui::Form* result = shared::instanceOf("TForm43");
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->isVisible());
    EXPECT_EQ(result->label("Label8").text(), "Ошибки в заданиях: 3, 15, ");

    result->button("BitBtn2").click();
    EXPECT_EQ(gui::Display::instance().visibleForms(), std::vector<gui::Form*>{&menu});
}

TEST_F(AdverbTestPassTest, ClosingMidTestKeepsTheFlagsWrittenSoFar)
{
    adverbs::AnswerFlags.fill(true);
    shared::OpenForm("TForm28");
    answerQuestions(Questions.mid(0, 4), {0, 0, 0, 0});
    gui::Form& fifth = *shared::instanceOf("TForm32");
    fifth.button("BitBtn2").click();

    EXPECT_TRUE(fifth.isHidden());
    EXPECT_EQ(shared::instanceOf("TForm33"), nullptr);
    std::vector<bool> expected(15, true);
    std::fill_n(expected.begin(), 4, false);
    EXPECT_EQ(flags(), expected);
}

TEST_F(AdverbTestPassTest, ASecondPassStartsAfreshAndOverwritesTheFlags)
{
    shared::OpenForm("TForm28");
    answerQuestions(Questions, RightOptions);
    gui::Form* firstResult = shared::instanceOf("TForm43");
    EXPECT_EQ(firstResult->label("Label3").text(), "15");

    gui::Form& again = *shared::OpenForm("TForm28");
    EXPECT_FALSE(again.radio("RadioButton1").isChecked());
    answerQuestions(Questions, std::vector<int>(15, 0));
    EXPECT_EQ(flags(), std::vector<bool>(15, false));
    EXPECT_EQ(shared::instanceOf("TForm43")->label("Label3").text(), "0");
    EXPECT_EQ(firstResult->label("Label3").text(), "15");
}

TEST_F(AdverbTestPassTest, EscClosesAQuestionWithoutAnswering)
{
    adverbs::AnswerFlags.fill(true);
    gui::Form& question = *shared::OpenForm("TForm35");
    question.radio("RadioButton1").click();
    testing_support::pressKey(question, Qt::Key_Escape);
    EXPECT_TRUE(question.isHidden());
    EXPECT_EQ(shared::instanceOf("TForm36"), nullptr);
    EXPECT_TRUE(adverbs::AnswerFlags[7]);
}

} // namespace
