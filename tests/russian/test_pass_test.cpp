#include "tests/support/GuiTest.h"
#include "tests/support/TestPass.h"

#include "gui/Image.h"
#include "russian/Program.h"
#include "russian/test/AnswerFlags.h"

namespace {

using testing_support::answerQuestions;

const QStringList Variant1 = {"TForm30", "TForm31", "TForm32", "TForm33", "TForm35", "TForm36",
                              "TForm37", "TForm38", "TForm39", "TForm40", "TForm41", "TForm42",
                              "TForm43", "TForm44", "TForm45", "TForm46", "TForm47", "TForm48"};
const QStringList Variant2 = {"TForm50", "TForm51", "TForm52", "TForm53", "TForm55", "TForm56",
                              "TForm57", "TForm58", "TForm59", "TForm60", "TForm61", "TForm62",
                              "TForm63", "TForm64", "TForm65", "TForm66", "TForm67", "TForm68"};
const std::vector<int> Variant1Right = {2, 2, 4, 2, 3, 2, 3, 2, 4, 2, 1, 2, 3, 3, 2, 3, 4, 3};
const std::vector<int> Variant2Right = {2, 2, 4, 3, 3, 4, 2, 3, 4, 3, 1, 3, 3, 1, 3, 1, 2, 4};

class ParticipleTestPassTest : public testing_support::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        russian::registerScreens();
    }

    static QString wrongList(const QString& result)
    {
        return shared::instanceOf(result)->label("Label8").text();
    }
};

TEST_F(ParticipleTestPassTest, EachVariantEndsOnItsOwnResultCountingOnlyItsAnswers)
{
    gui::Form& chooser = *shared::OpenForm("TForm29");
    chooser.button("BitBtn1").click();
    std::vector<int> answers = Variant1Right;
    answers[3] = 3; // question 4 as variant 2 has it
    answerQuestions(Variant1, answers);
    ASSERT_NE(shared::instanceOf("TForm49"), nullptr);
    EXPECT_EQ(wrongList("TForm49"), "Ошибки в заданиях: 4, ");
    EXPECT_EQ(shared::instanceOf("TForm69"), nullptr);

    shared::instanceOf("TForm49")->button("BitBtn2").click();
    EXPECT_EQ(gui::Display::instance().activeForm(), &chooser);
    chooser.button("BitBtn2").click();
    answers = Variant2Right;
    answers[13] = 3; // question 14 as variant 1 has it
    answers[17] = 0;
    answerQuestions(Variant2, answers);
    ASSERT_NE(shared::instanceOf("TForm69"), nullptr);
    EXPECT_EQ(wrongList("TForm69"), "Ошибки в заданиях: 14, 18, ");
    EXPECT_EQ(wrongList("TForm49"), "Ошибки в заданиях: 4, ");
}

TEST_F(ParticipleTestPassTest, CloseEndsThePassAndEscDoesNot)
{
    russian::AnswerFlags.fill(false);
    gui::Form& chooser = *shared::OpenForm("TForm29");
    chooser.button("BitBtn2").click();
    answerQuestions(Variant2.mid(0, 2), {2, 2});

    gui::Form& third = *shared::instanceOf("TForm52");
    third.radio("RadioButton4").click();
    testing_support::pressKey(third, Qt::Key_Escape);
    EXPECT_TRUE(third.isVisible());
    third.button("BitBtn2").click();
    EXPECT_TRUE(third.isHidden());
    EXPECT_EQ(shared::instanceOf("TForm53"), nullptr);
    EXPECT_EQ(gui::Display::instance().activeForm(), &chooser);

    std::vector<bool> expected(18, false);
    expected[0] = expected[1] = true;
    EXPECT_EQ(std::vector<bool>(russian::AnswerFlags.begin(), russian::AnswerFlags.end()),
              expected);
}

// The strokes keep their one-pixel width; the sentence schemes grow with the text around them.
TEST_F(ParticipleTestPassTest, StrokesKeepTheirWidthAndSchemesGrowOnAWideDisplay)
{
    useDisplay(1600, 1200);
    for (const char* className : {"TForm44", "TForm64"}) {
        gui::Form& question = *shared::createScreen(className);
        for (int n = 1; n <= 8; ++n) {
            const QRect stroke = question.shape("Shape" + QString::number(n)).bounds();
            EXPECT_EQ(stroke.size(), QSize(1, 66)) << className << " Shape" << n;
        }
        EXPECT_EQ(question.button("BitBtn1").bounds().size(), QSize(402, 82));
    }
    for (const char* className : {"TForm45", "TForm65"}) {
        const gui::Image& scheme = shared::createScreen(className)->image("Image1");
        EXPECT_EQ(scheme.bounds().size(), QSize(242, 82)) << className;
        EXPECT_TRUE(scheme.bounds().contains(scheme.pictureRect())) << className;
    }
}

} // namespace
