#include "tests/support/GuiTest.h"

#include "adverbs/Program.h"
#include "adverbs/practice/SpellingExercises.h"
#include "shared/Screens.h"
#include "shared/Splash.h"
#include "tests/adverbs/practice_support.h"

#include <QTimer>

namespace {

class MainMenuTest : public testing_support::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        adverbs::registerScreens();
    }

    // The start-up sequence up to the event loop: the menu, the splash and the three practice
    // screens made at start, all hidden.
    gui::Form& startUp()
    {
        gui::Form& menu = *shared::CreateForm("TMain");
        shared::CreateForm("TLogo");
        adverbs::createStartUpInstances();
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

// 7.б, 8.б and 10.б are made after the splash, fitted and kept hidden for good: the chain opens
// new instances of them.
TEST_F(MainMenuTest, ThreePracticeScreensAreMadeAtStartAndNeverShown)
{
    gui::Form& menu = startUp();
    QStringList made;
    for (const auto& form : gui::Application::instance().forms())
        made << form->className();
    EXPECT_EQ(made, (QStringList{"TMain", "TLogo", "TForm47", "TForm48", "TForm49"}));
    const QStringList kept = {"TForm47", "TForm48", "TForm49"};
    std::vector<gui::Form*> hidden;
    for (const QString& screen : kept) {
        hidden.push_back(shared::instanceOf(screen));
        ASSERT_NE(hidden.back(), nullptr) << screen.toStdString();
        EXPECT_EQ(hidden.back()->geometry(), QRect(0, 300, 800, 600)) << screen.toStdString();
    }
    EXPECT_EQ(gui::Application::instance().mainForm(), &menu);

    QTimer::singleShot(0, [] { shared::instanceOf("TLogo")->Close(); });
    menu.Show();
    testing_support::clickControl(menu, "Label3");
    shared::instanceOf("TForm16")->label("Label8").click();
    gui::Form& first = *shared::instanceOf("TForm24");
    for (const QString& option : practice_testing::keyOf("TForm24"))
        testing_support::clickControl(first, option);
    first.button("BitBtn2").click();
    EXPECT_NE(shared::instanceOf("TForm47"), hidden[0]);
    EXPECT_TRUE(shared::instanceOf("TForm47")->isVisible());
    for (gui::Form* form : hidden)
        EXPECT_FALSE(form->isVisible()) << form->className().toStdString();
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
    shared::OpenForm("TForm16");
    shared::OpenForm("TForm28");
    menu.button("BitBtn1").click();
    EXPECT_TRUE(gui::Application::instance().terminated());
}

TEST_F(MainMenuTest, MenuAndSplashAt1024By768)
{
    useDisplay(1024, 768);
    gui::Form& menu = *shared::createScreen("TMain");
    EXPECT_EQ(menu.geometry(), QRect(0, 0, 1024, 384));
    EXPECT_EQ(menu.label("Label1").bounds().topLeft(), QPoint(369, 31));
    EXPECT_EQ(menu.label("Label1").fontSize(), 46);
    EXPECT_EQ(menu.label("Label2").bounds().topLeft(), QPoint(164, 133));
    EXPECT_EQ(menu.label("Label2").fontSize(), 23);
    EXPECT_EQ(menu.label("Label4").bounds().top(), 256);
    EXPECT_EQ(menu.button("BitBtn1").bounds(), QRect(758, 319, 124, 32));
    EXPECT_EQ(menu.button("BitBtn1").fontSize(), 18);

    gui::Form& logo = *shared::createScreen("TLogo");
    EXPECT_EQ(logo.geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(logo.label("Label3").fontSize(), 61);
    EXPECT_EQ(logo.label("Label3").bounds().topLeft(), QPoint(358, 184));
    EXPECT_EQ(logo.button("BitBtn1").bounds(), QRect(225, 502, 145, 63));
    EXPECT_EQ(logo.button("BitBtn1").fontSize(), 18);
}

} // namespace
