#include "tests/support/GuiTest.h"

#include "russian/Program.h"
#include "shared/Screens.h"

namespace {

struct QuestionAtSize {
    const char* screen;
    QSize display;
};

// Question 14 of each variant marks the bounds of participial phrases with one-pixel strokes laid
// over its sentences. Each stroke must stand between two words at every display size, touching no
// letter.
class PhraseBoundsTest : public testing_support::GuiTest,
                         public ::testing::WithParamInterface<QuestionAtSize> {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        useDisplay(GetParam().display.width(), GetParam().display.height());
        russian::registerScreens();
    }
};

bool isInk(const QColor& pixel)
{
    return pixel.lightness() < 160;
}

TEST_P(PhraseBoundsTest, StrokesStandClearOfTheLetters)
{
    gui::Form& question = *shared::createScreen(GetParam().screen);
    question.show();
    std::vector<QRect> strokes;
    for (int i = 1; i <= 8; ++i) {
        gui::Shape& stroke = question.shape("Shape" + QString::number(i));
        strokes.push_back(stroke.bounds());
        stroke.setShown(false);
    }
    const QImage text = question.clientArea()->grab().toImage();
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        const QRect& stroke = strokes[i];
        ASSERT_EQ(stroke.width(), 1);
        int touched = 0;
        for (int x = stroke.left() - 1; x <= stroke.left() + 1; ++x)
            for (int y = stroke.top(); y <= stroke.bottom(); ++y)
                touched += isInk(text.pixelColor(x, y)) ? 1 : 0;
        EXPECT_EQ(touched, 0) << "Shape" << i + 1 << " at x " << stroke.left();
    }
}

std::vector<QuestionAtSize> everySize()
{
    std::vector<QuestionAtSize> cases;
    for (const char* screen : {"TForm44", "TForm64"})
        for (const QSize& display : {QSize(800, 600), QSize(1024, 768), QSize(1152, 864),
                                     QSize(1280, 960), QSize(1440, 1080), QSize(1920, 1440)})
            cases.push_back({screen, display});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Question14, PhraseBoundsTest, ::testing::ValuesIn(everySize()),
                         [](const auto& info) {
                             return std::string(info.param.screen) + "_" +
                                    std::to_string(info.param.display.width()) + "x" +
                                    std::to_string(info.param.display.height());
                         });

} // namespace
