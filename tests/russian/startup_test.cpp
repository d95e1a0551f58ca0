#include "tests/support/GuiTest.h"

#include "gui/WindowFrame.h"
#include "russian/Program.h"
#include "shared/Screens.h"
#include "shared/Splash.h"

#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

class ParticipleStartUpTest : public testing_support::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        russian::registerScreens();
    }

    // Creates the menu as the program's start-up does. While the splash runs, notes what is on
    // show, then ends the splash with `end`.
    gui::Form& startUp(std::function<void(shared::TLogo&)> end)
    {
        QTimer::singleShot(0, [this, end] {
            logo = qobject_cast<shared::TLogo*>(gui::Display::instance().modalWindow());
            shownDuringSplash = gui::Display::instance().visibleForms();
            mainFormDuringSplash = gui::Application::instance().mainForm();
            if (logo)
                end(*logo);
        });
        return *shared::CreateForm("TMainForm");
    }

    QPointer<shared::TLogo> logo;
    std::vector<gui::Form*> shownDuringSplash;
    gui::Form* mainFormDuringSplash = nullptr;
};

TEST_F(ParticipleStartUpTest, TheMenuComesOnlyAfterTheSplashHasEnded)
{
    useDisplay(1024, 768);
    gui::Form& menu = startUp([](shared::TLogo& splash) {
        for (int second = 0; second < shared::TLogo::CountdownStart; ++second)
            splash.Timer1Timer();
        splash.button("BitBtn1").click();
    });
    ASSERT_FALSE(shownDuringSplash.empty());
    EXPECT_EQ(shownDuringSplash, std::vector<gui::Form*>{shownDuringSplash.front()});
    EXPECT_NE(shownDuringSplash.front(), &menu);
    EXPECT_EQ(mainFormDuringSplash, nullptr);

    EXPECT_TRUE(logo.isNull()); // destroyed once it ended
    EXPECT_EQ(gui::Application::instance().mainForm(), &menu);
    EXPECT_TRUE(menu.isHidden());
    EXPECT_EQ(menu.geometry(), QRect(0, 0, 1024, 384));
    EXPECT_EQ(menu.button("BitBtn1").bounds(), QRect(870, 337, 114, 32));
}

TEST_F(ParticipleStartUpTest, ClosingTheSplashEarlyStillLeadsToTheMenu)
{
    gui::Form& menu = startUp([](shared::TLogo& splash) {
        const QPoint closeBox = gui::ToolWindowFrame.closeBox(splash.rect()).center();
        QTest::mouseClick(&splash, Qt::LeftButton, Qt::NoModifier, closeBox);
    });
    EXPECT_EQ(shownDuringSplash.size(), 1u);
    EXPECT_TRUE(logo.isNull());
    EXPECT_EQ(gui::Application::instance().mainForm(), &menu);
    EXPECT_EQ(menu.geometry(), QRect(0, 0, 800, 300));

    menu.Show();
    testing_support::clickControl(menu, "Label6");
    ASSERT_NE(shared::instanceOf("TForm29"), nullptr);
    EXPECT_TRUE(shared::instanceOf("TForm29")->isVisible());
    EXPECT_TRUE(menu.isVisible());
}

TEST_F(ParticipleStartUpTest, EnterOnTheMenuEndsTheProgramAndEscDoesNothing)
{
    gui::Form& menu = startUp([](shared::TLogo& splash) { splash.Close(); });
    menu.Show();
    EXPECT_EQ(QApplication::focusWidget(), &menu.button("BitBtn1"));

    testing_support::pressKey(menu, Qt::Key_Escape);
    EXPECT_FALSE(gui::Application::instance().terminated());
    testing_support::pressKey(menu, Qt::Key_Return);
    EXPECT_TRUE(gui::Application::instance().terminated());
}

} // namespace
