#include "tests/support/GuiTest.h"
#include "tests/support/TestPass.h"

#include "adverbs/Program.h"
#include "adverbs/test/AnswerFlags.h"

namespace {

class AdverbTestResultTest : public testing_support::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        adverbs::registerScreens();
    }

    gui::Form& resultFor(int rightCount)
    {
        testing_support::setRightCount(adverbs::AnswerFlags, rightCount);
        return *shared::createScreen("TForm43");
    }
};

TEST_F(AdverbTestResultTest, CountPercentageAndGradeFollowTheRightAnswers)
{
    const testing_support::ResultRow rows[] = {
        {15, "заданий из 15", "(100% )", "5"}, {14, "заданий из 15", "(93% )", "5"},
        {13, "заданий из 15", "(87% )", "4"},  {11, "заданий из 15", "(73% )", "4"},
        {10, "заданий из 15", "(67% )", "3"},  {7, "заданий из 15", "(47% )", "3"},
        {6, "заданий из 15", "(40% )", "2"},   {4, "задания из 15", "(27% )", "2"},
        {2, "задания из 15", "(13% )", "2"},   {1, "задание из 15", "(7% )", "2"},
        {0, "заданий из 15", "(0% )", "2"},
    };
    for (const testing_support::ResultRow& row : rows)
        testing_support::expectResult(resultFor(row.right), row);
}

TEST_F(AdverbTestResultTest, ListsTheWrongQuestionsInOrder)
{
    testing_support::setWrongAnswers(adverbs::AnswerFlags, {15, 3});
    EXPECT_EQ(shared::createScreen("TForm43")->label("Label8").text(),
              "Ошибки в заданиях: 3, 15, ");
    EXPECT_EQ(resultFor(0).label("Label8").text(),
              "Ошибки в заданиях: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, ");
    EXPECT_EQ(resultFor(15).label("Label8").text(), "");
}

TEST_F(AdverbTestResultTest, TheChartShowsRightThenWrongInTheirColours)
{
    const gui::PieSeries& series = resultFor(10).get<gui::Chart>("Chart1").series();
    EXPECT_EQ(series.title, "Результаты");
    ASSERT_EQ(series.points().size(), 2u);
    EXPECT_EQ(series.points()[0].label, "% Правильно");
    EXPECT_EQ(series.points()[0].color, QColor(0, 128, 0));
    EXPECT_DOUBLE_EQ(series.points()[0].value, 10.0 / 15.0 * 100.0);
    EXPECT_EQ(series.points()[1].label, "% Неправильно");
    EXPECT_EQ(series.points()[1].color, QColor(255, 0, 0));
    EXPECT_DOUBLE_EQ(series.points()[1].value, 5.0 / 15.0 * 100.0);

    // An empty slice is still a point of its own.
    const gui::PieSeries& allRight = resultFor(15).get<gui::Chart>("Chart1").series();
    ASSERT_EQ(allRight.points().size(), 2u);
    EXPECT_DOUBLE_EQ(allRight.points()[1].value, 0.0);
}

} // namespace
