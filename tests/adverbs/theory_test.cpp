#include "tests/support/GuiTest.h"

#include "adverbs/Program.h"
#include "shared/Screens.h"

namespace {

using testing_support::clickControl;
using testing_support::pressKey;

const QStringList Pages = {"TForm2",  "TForm3",  "TForm4",  "TForm5",  "TForm6",
                           "TForm7",  "TForm8",  "TForm9",  "TForm10", "TForm11",
                           "TForm12", "TForm13", "TForm14", "TForm15"};

class AdverbTheoryTest : public testing_support::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        adverbs::registerScreens();
    }

    static bool isOpen(const QString& screen)
    {
        gui::Form* form = shared::instanceOf(screen);
        return form && form->isVisible();
    }
};

TEST_F(AdverbTheoryTest, EveryEntryOpensItsPageOverTheContents)
{
    const std::pair<const char*, const char*> entries[] = {
        {"Label2", "TForm2"},   {"Label3", "TForm3"},   {"Label4", "TForm4"},
        {"Label5", "TForm5"},   {"Label11", "TForm6"},  {"Label6", "TForm8"},
        {"Label7", "TForm9"},   {"Label8", "TForm9"},   {"Label9", "TForm10"},
        {"Label10", "TForm11"}, {"Label12", "TForm12"}, {"Label13", "TForm13"},
        {"Label14", "TForm14"}, {"Label15", "TForm15"}};
    gui::Form& contents = *shared::OpenForm("TForm1");
    for (const auto& [entry, page] : entries) {
        contents.label(entry).click();
        ASSERT_TRUE(isOpen(page)) << entry;
        EXPECT_TRUE(contents.isVisible());
        shared::instanceOf(page)->button("BitBtn1").click();
        EXPECT_FALSE(isOpen(page)) << entry;
        EXPECT_EQ(gui::Display::instance().activeForm(), &contents);
    }
}

TEST_F(AdverbTheoryTest, TheMainMenuOpensTheContents)
{
    clickControl(*shared::OpenForm("TMain"), "Label2");
    EXPECT_TRUE(isOpen("TForm1"));
}

// From any page the chain runs on to the last; "Практика" then opens a new practice menu over
// the still open contents page, also when one is open already.
TEST_F(AdverbTheoryTest, TheChainRunsFromAnyPageToANewPracticeMenu)
{
    gui::Form& contents = *shared::OpenForm("TForm1");
    gui::Form& earlierMenu = *shared::OpenForm("TForm16");
    for (qsizetype start : {qsizetype(0), Pages.indexOf("TForm6"), Pages.indexOf("TForm15")}) {
        SCOPED_TRACE(Pages[start].toStdString());
        gui::Form* page = shared::OpenForm(Pages[start]);
        for (qsizetype i = start + 1; i < Pages.size(); ++i) {
            page->button("BitBtn2").click();
            EXPECT_FALSE(page->isVisible());
            page = shared::instanceOf(Pages[i]);
            ASSERT_TRUE(page && page->isVisible()) << Pages[i].toStdString();
        }
        gui::Form* menuBefore = shared::instanceOf("TForm16");
        page->button("BitBtn2").click();
        EXPECT_FALSE(page->isVisible());
        EXPECT_NE(shared::instanceOf("TForm16"), menuBefore);
        EXPECT_TRUE(isOpen("TForm16"));
        EXPECT_TRUE(contents.isVisible());
    }
    EXPECT_TRUE(earlierMenu.isVisible());
}

// Enter presses the focused button: "Закрыть" comes first on the first five pages and on the
// contents, the forward button on the others. Esc closes every page.
TEST_F(AdverbTheoryTest, EnterAndEscFollowTheTabOrder)
{
    gui::Form& contents = *shared::OpenForm("TForm1");
    pressKey(contents, Qt::Key_Return);
    EXPECT_FALSE(contents.isVisible());
    gui::Form& again = *shared::OpenForm("TForm1");
    pressKey(again, Qt::Key_Escape);
    EXPECT_FALSE(again.isVisible());

    for (qsizetype i = 0; i < Pages.size(); ++i) {
        SCOPED_TRACE(Pages[i].toStdString());
        gui::Form& page = *shared::OpenForm(Pages[i]);
        pressKey(page, Qt::Key_Return);
        EXPECT_FALSE(page.isVisible());
        const QString next = i + 1 < Pages.size() ? Pages[i + 1] : "TForm16";
        EXPECT_EQ(isOpen(next), i >= Pages.indexOf("TForm7"));
        if (gui::Form* opened = shared::instanceOf(next))
            opened->Close();

        gui::Form& escaped = *shared::OpenForm(Pages[i]);
        pressKey(escaped, Qt::Key_Escape);
        EXPECT_FALSE(escaped.isVisible());
    }
}

TEST_F(AdverbTheoryTest, PagesAt1024By768)
{
    useDisplay(1024, 768);
    for (const QString& name : Pages) {
        SCOPED_TRACE(name.toStdString());
        gui::Form& page = *shared::createScreen(name);
        EXPECT_EQ(page.geometry(), QRect(0, 0, 1024, 384));
        EXPECT_EQ(page.button("BitBtn1").bounds(), QRect(758, 319, 124, 32));
        EXPECT_EQ(page.button("BitBtn1").fontSize(), 18);
        const QRect forward = page.button("BitBtn2").bounds();
        EXPECT_EQ(forward, QRect(164, 319, name == "TForm15" ? 134 : 124, 32));
        EXPECT_EQ(page.button("BitBtn2").text(), name == "TForm15"   ? "Практика"
                                                 : name == "TForm10" ? "Дальше"
                                                                     : "Далее");
    }
}

} // namespace
