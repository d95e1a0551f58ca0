#include "tests/support/GuiTest.h"

#include "adverbs/Program.h"
#include "shared/Screens.h"

#include <QTimer>

namespace {

class MainMenuTest : public testing_support::GuiTest {
protected:
    static void SetUpTestSuite() { adverbs::registerScreens(); }

    // The start-up sequence up to the event loop: the menu, then the splash, both hidden.
    gui::Form& startUp()
    {
        gui::Form& menu = *shared::CreateForm("TMain");
        shared::CreateForm("TLogo");
        return menu;
    }
};

TEST_F(MainMenuTest, TheMenuAppearsOnlyAfterTheSplashHasEnded)
{
    gui::Form& menu = startUp();
    gui::Form& logo = *shared::instanceOf("TLogo");
    EXPECT_EQ(gui::Application::instance().mainForm(), &menu);
    bool menuSeenDuringSplash = true;
    QTimer::singleShot(0, &logo, [&] {
        menuSeenDuringSplash = menu.isVisible();
        logo.Close();
    });
    menu.Show();
    EXPECT_FALSE(menuSeenDuringSplash);
    EXPECT_TRUE(logo.isHidden());
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(gui::Display::instance().activeForm(), &menu);
}

TEST_F(MainMenuTest, EnterEndsTheProgramAndEscDoesNothing)
{
    gui::Form& menu = startUp();
    QTimer::singleShot(0, [] { shared::instanceOf("TLogo")->Close(); });
    menu.Show();
    EXPECT_EQ(QApplication::focusWidget(), &menu.button("BitBtn1"));

    testing_support::pressKey(menu, Qt::Key_Escape);
    EXPECT_FALSE(gui::Application::instance().terminated());
    testing_support::pressKey(menu, Qt::Key_Return);
    EXPECT_TRUE(gui::Application::instance().terminated());
}

TEST_F(MainMenuTest, ExitEndsTheProgramWhateverIsOpen)
{
    gui::Form& menu = startUp();
    QTimer::singleShot(0, [] { shared::instanceOf("TLogo")->Close(); });
    menu.Show();
    shared::OpenForm("TLogo");
    menu.button("BitBtn1").click();
    EXPECT_TRUE(gui::Application::instance().terminated());
}

} // namespace
