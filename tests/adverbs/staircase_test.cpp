#include "tests/adverbs/practice_support.h"

#include "gui/Image.h"
#include "gui/Shape.h"

namespace {

using namespace practice_testing;
using testing_support::clickControl;

QStringList labels(int first, int last)
{
    QStringList names;
    for (int number = first; number <= last; ++number)
        names << QString("Label%1").arg(number);
    return names;
}

// Each stage: the labels it shows (stage 1 shows from the start) and its pairs, "right>wrong".
struct Stage {
    QStringList labels;
    QStringList pairs;
};

const std::vector<Stage> stages = {
    {{"Label13", "Label5", "Label2", "Label3", "Label55"}, {"2>5"}},
    {QStringList{"Label4"} + labels(6, 12) + labels(14, 19), {"6>7", "11>10", "16>15"}},
    {labels(20, 30), {"22>21", "26>27"}},
    {labels(31, 42), {"33>32", "39>40"}},
    {labels(43, 54), {"45>44", "50>51"}},
};

QString rightOf(const QString& pair)
{
    return "Label" + pair.section('>', 0, 0);
}
QString wrongOf(const QString& pair)
{
    return "Label" + pair.section('>', 1, 1);
}

bool selected(const gui::Form& screen, const QString& option)
{
    return screen.label(option).color() == gui::clBlue;
}

QPoint figureAt(const gui::Form& screen)
{
    return screen.image("Image1").bounds().topLeft();
}

// How many stages show: the first stage whose labels are hidden, or all.
int stagesShown(const gui::Form& screen)
{
    int shown = 0;
    for (const Stage& stage : stages) {
        const bool all = std::all_of(stage.labels.begin(), stage.labels.end(),
                                     [&](const QString& l) { return screen.label(l).isShown(); });
        const bool none = std::none_of(stage.labels.begin(), stage.labels.end(),
                                       [&](const QString& l) { return screen.label(l).isShown(); });
        EXPECT_TRUE(all || none) << "stage " << shown + 1 << " shows in part";
        if (!all)
            break;
        ++shown;
    }
    return shown;
}

class StaircaseTest : public PracticeTest {
protected:
    // Chooses the right option of every pair of the stage (numbered from 1).
    static void solve(gui::Form& screen, int stage)
    {
        for (const QString& pair : stages[stage - 1].pairs)
            clickControl(screen, rightOf(pair));
    }

    static constexpr QPoint Start{680, 168};
    // After n steps: left by n treads of 105, the feet (the bottom row of the 47-pixel-high
    // picture) on the n-th tread from the foot, whose line lies 24 higher each step from 192.
    static constexpr QPoint afterSteps(int n) { return {680 - 105 * n, 216 - 24 * n - 47}; }
};

TEST_F(StaircaseTest, ItStartsWithStageOneAndTheFigureAtTheFoot)
{
    gui::Form& screen = open("TForm23");
    EXPECT_EQ(stagesShown(screen), 1);
    EXPECT_EQ(figureAt(screen), Start);
    EXPECT_EQ(screen.image("Image1").picture().size(), QSize(22, 47));
    for (const Stage& stage : stages)
        for (const QString& pair : stage.pairs) {
            EXPECT_FALSE(selected(screen, rightOf(pair)));
            EXPECT_FALSE(selected(screen, wrongOf(pair)));
        }
}

TEST_F(StaircaseTest, StageOneTakesNiAndTheFigureClimbsOneStep)
{
    gui::Form& screen = open("TForm23");
    clickControl(screen, "Label5"); // "е,"
    EXPECT_TRUE(selected(screen, "Label5"));
    EXPECT_EQ(stagesShown(screen), 1);
    EXPECT_EQ(figureAt(screen), Start);

    clickControl(screen, "Label2"); // "и"
    EXPECT_TRUE(selected(screen, "Label2"));
    EXPECT_FALSE(selected(screen, "Label5"));
    EXPECT_EQ(stagesShown(screen), 2);
    EXPECT_EQ(figureAt(screen), afterSteps(1));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(StaircaseTest, AStageCompletesOnlyWithEveryPairRight)
{
    gui::Form& screen = open("TForm23");
    solve(screen, 1);
    clickControl(screen, "Label6");
    clickControl(screen, "Label11");
    clickControl(screen, "Label15"); // "слитно,"
    EXPECT_EQ(stagesShown(screen), 2);
    EXPECT_EQ(figureAt(screen), afterSteps(1));

    clickControl(screen, "Label16"); // "раздельно"
    EXPECT_EQ(stagesShown(screen), 3);
    EXPECT_EQ(figureAt(screen), afterSteps(2));

    // Stages 3 and 4 with their wrong options first.
    for (int stage : {3, 4}) {
        for (const QString& pair : stages[stage - 1].pairs)
            clickControl(screen, wrongOf(pair));
        EXPECT_EQ(stagesShown(screen), stage);
        solve(screen, stage);
        EXPECT_EQ(stagesShown(screen), stage + 1);
        EXPECT_EQ(figureAt(screen), afterSteps(stage));
    }
    EXPECT_TRUE(messages.isEmpty());
}

// A chosen option takes no click; a completed stage never completes again, so the figure climbs
// once a stage, whatever is clicked afterwards; unchoosing a right option takes nothing back.
TEST_F(StaircaseTest, EachStageLiftsTheFigureOnceAndNothingUndoesIt)
{
    gui::Form& screen = open("TForm23");
    solve(screen, 1);
    solve(screen, 2);
    clickControl(screen, "Label2");
    clickControl(screen, "Label16");
    EXPECT_TRUE(selected(screen, "Label2"));
    EXPECT_EQ(figureAt(screen), afterSteps(2));

    clickControl(screen, "Label5");
    clickControl(screen, "Label7");
    EXPECT_FALSE(selected(screen, "Label2"));
    EXPECT_EQ(stagesShown(screen), 3);
    EXPECT_EQ(figureAt(screen), afterSteps(2));

    clickControl(screen, "Label2");
    clickControl(screen, "Label6");
    EXPECT_EQ(stagesShown(screen), 3);
    EXPECT_EQ(figureAt(screen), afterSteps(2));
}

TEST_F(StaircaseTest, TheFifthStageAloneDecidesAndPraisesWithTheFigureOnTop)
{
    gui::Form& screen = open("TForm23");
    for (int stage = 1; stage <= 4; ++stage)
        solve(screen, stage);
    clickControl(screen, "Label5"); // stage 1 wrong again
    clickControl(screen, "Label21");

    QPoint figureWhilePraised;
    bool shownWhilePraised = false;
    gui::MessageBox::setObserver([&](gui::MessageBox& box) {
        messages << box.text();
        figureWhilePraised = figureAt(screen);
        shownWhilePraised = screen.isVisible();
        box.dismiss();
    });
    clickControl(screen, "Label45");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(progress().PracticeDone[5]);

    clickControl(screen, "Label50");
    EXPECT_EQ(messages, QStringList{Praise});
    EXPECT_EQ(figureWhilePraised, QPoint(155, 49)); // on the top tread
    EXPECT_TRUE(shownWhilePraised);
    EXPECT_TRUE(progress().PracticeDone[5]);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(isOpen("TForm24"));
    EXPECT_EQ(instanceCount("TForm27"), 0);
}

TEST_F(StaircaseTest, TheStepIsTheScaledStepOfTheDrawing)
{
    // Figure at its scaled start, then left by five scaled treads, its scaled picture standing
    // on the scaled top tread.
    struct Case {
        QSize display;
        QPoint start;
        QPoint top;
    };
    for (const Case& size : {Case{{1024, 768}, {870, 215}, {870 - 5 * 134, 123 - 60}},
                             Case{{1920, 1440}, {1632, 403}, {1632 - 5 * 252, 230 - 113}}}) {
        SCOPED_TRACE(size.display.width());
        useDisplay(size.display.width(), size.display.height());
        gui::Form& screen = open("TForm23");
        EXPECT_EQ(figureAt(screen), size.start);
        QPoint figureWhilePraised;
        gui::MessageBox::setObserver([&](gui::MessageBox& box) {
            figureWhilePraised = figureAt(screen);
            box.dismiss();
        });
        for (int stage = 1; stage <= 5; ++stage)
            solve(screen, stage);
        EXPECT_EQ(figureWhilePraised, size.top);
    }
}

// The row under the figure's feet as a pupil sees it: one below the lowest dark row of its
// picture, within the box that clips it.
int feetOf(const gui::Image& figure)
{
    const QRect drawn = figure.pictureRect();
    const QRect shown = drawn & figure.bounds();
    for (int y = shown.bottom(); y >= shown.top(); --y)
        for (int x = shown.left(); x <= shown.right(); ++x)
            if (qGray(figure.drawnPicture().pixel(x - drawn.left(), y - drawn.top())) < 128)
                return y + 1;
    return shown.top();
}

// The tread under the figure: the flat stair line below its middle.
const gui::Shape* treadUnder(const gui::Form& screen, const gui::Image& figure)
{
    const int middle = figure.bounds().center().x();
    for (const char* tread : {"Shape2", "Shape3", "Shape4", "Shape5", "Shape6"}) {
        const gui::Shape& shape = screen.shape(tread);
        if (shape.bounds().left() <= middle && middle <= shape.bounds().right())
            return &shape;
    }
    return nullptr;
}

class StaircaseAtSize : public StaircaseTest, public ::testing::WithParamInterface<QSize> {};

// After every step the figure stands on the next tread: its feet on the line, not above it.
TEST_P(StaircaseAtSize, TheFigureStandsOnEachTreadItReaches)
{
    useDisplay(GetParam().width(), GetParam().height());
    gui::Form& screen = open("TForm23");
    const gui::Image& figure = screen.image("Image1");
    const QStringList treads = {"Shape6", "Shape5", "Shape4", "Shape3", "Shape2"};
    gui::MessageBox::setObserver([](gui::MessageBox& box) { box.dismiss(); });
    for (int stage = 1; stage <= 5; ++stage) {
        SCOPED_TRACE(stage);
        solve(screen, stage);
        const gui::Shape* tread = treadUnder(screen, figure);
        ASSERT_NE(tread, nullptr);
        EXPECT_EQ(tread->controlName(), treads[stage - 1]);
        EXPECT_LE(std::abs(feetOf(figure) - tread->bounds().top()), 2)
            << "feet at " << feetOf(figure) << ", tread at " << tread->bounds().top();
    }
}

INSTANTIATE_TEST_SUITE_P(Practice, StaircaseAtSize, ::testing::ValuesIn(displaySizes), sizeName);

TEST_F(StaircaseTest, TheGateOpensTheCongratulationInsteadOfExercise7)
{
    setAllDoneBut(5);
    gui::Form& screen = open("TForm23");
    for (int stage = 1; stage <= 5; ++stage)
        solve(screen, stage);
    EXPECT_EQ(messages, QStringList{Praise});
    EXPECT_TRUE(isOpen("TForm27"));
    EXPECT_EQ(shared::instanceOf("TForm24"), nullptr);
}

TEST_F(StaircaseTest, ItOpensFromItem6AndAfterExercise5AndEscClosesIt)
{
    gui::Form& menu = open("TForm16");
    menu.label("Label6").click();
    gui::Form& first = newest("TForm23");
    EXPECT_TRUE(first.isVisible());
    testing_support::pressKey(first, Qt::Key_Escape);
    EXPECT_FALSE(first.isVisible());
    EXPECT_TRUE(menu.isVisible());

    answerRight(open("TForm22"));
    EXPECT_NE(&newest("TForm23"), &first);
    EXPECT_TRUE(newest("TForm23").isVisible());
    EXPECT_FALSE(progress().PracticeDone[5]);
}

} // namespace
