#include "tests/support/GuiTest.h"

#include "shared/Screen.h"
#include "shared/Screens.h"

namespace {

using testing_support::fixtureId;

class ScreensTest : public testing_support::GuiTest {
protected:
    // The fixture page as class `name`: "Закрыть" closes it, Label2 opens `over` on top of it,
    // "Далее" opens `instead` in its place.
    static void registerPage(const QString& name, const QString& over, const QString& instead)
    {
        shared::registerScreen({{name, fixtureId("shared", "page").layoutPath},
                                shared::TopHalfPlacement,
                                "BitBtn1",
                                {{"Label2", over},
                                 {"BitBtn2", instead, shared::Link::Instead}}});
    }

    void SetUp() override
    {
        GuiTest::SetUp();
        registerPage("TFirst", "TSecond", "TThird");
        registerPage("TSecond", "TFirst", "TThird");
        registerPage("TThird", "TFirst", "TSecond");
    }
};

TEST_F(ScreensTest, ARegistrationNamesEveryScreenItOpens)
{
    EXPECT_EQ(shared::registeredClasses(), (QStringList{"TFirst", "TSecond", "TThird"}));
    EXPECT_EQ(shared::screensOpenedBy("TFirst"), (QStringList{"TSecond", "TThird"}));
    // A name that is not registered can only be a slip of the pen.
    EXPECT_THROW(shared::createScreen("TSecnod"), std::logic_error);
    EXPECT_THROW(shared::screensOpenedBy("TSecnod"), std::logic_error);
}

TEST_F(ScreensTest, AClassCanBeRegisteredOnlyOnceAndMustMakeItself)
{
    EXPECT_THROW(registerPage("TFirst", "TSecond", "TThird"), std::logic_error);
    shared::registerScreen("TFourth",
                           [] { return std::make_unique<gui::Form>(fixtureId("shared", "page")); });
    EXPECT_THROW(shared::createScreen("TFourth"), std::logic_error);
}

TEST_F(ScreensTest, LinksOpenOverOrInsteadAndTheCloseButtonCloses)
{
    gui::Form& first = *shared::OpenForm("TFirst");
    testing_support::clickControl(first, "Label2");
    gui::Form& second = *shared::instanceOf("TSecond");
    EXPECT_TRUE(first.isVisible());
    EXPECT_TRUE(second.isVisible());

    second.button("BitBtn2").click();
    EXPECT_TRUE(second.isHidden());
    gui::Form& third = *shared::instanceOf("TThird");
    EXPECT_TRUE(third.isVisible());
    EXPECT_EQ(gui::Display::instance().activeForm(), &third);

    third.button("BitBtn1").click();
    EXPECT_TRUE(third.isHidden());
    EXPECT_EQ(gui::Display::instance().activeForm(), &first);
}

TEST_F(ScreensTest, EachOpeningMakesANewestInstance)
{
    gui::Form* older = shared::OpenForm("TSecond");
    gui::Form* newer = shared::OpenForm("TSecond");
    EXPECT_NE(older, newer);
    EXPECT_EQ(shared::instanceOf("TSecond"), newer);
    EXPECT_EQ(shared::instanceOf("TThird"), nullptr);
}

TEST(UnitScreens, TakeTheirLayoutFromTheNumberInTheClassName)
{
    const gui::FormId id = shared::unitScreen("adverbs/test", "TForm28");
    EXPECT_EQ(id.className, "TForm28");
    EXPECT_EQ(id.layoutPath, "adverbs/test/unit28");
}

} // namespace
