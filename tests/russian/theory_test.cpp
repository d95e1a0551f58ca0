#include "tests/support/GuiTest.h"

#include "russian/Program.h"
#include "shared/Screens.h"

namespace {

using testing_support::pressKey;

const QStringList Pages = {"TForm2", "TForm3", "TForm4", "TForm5", "TForm6",
                           "TForm7", "TForm8", "TForm9", "TForm10"};

class ParticipleTheoryTest : public testing_support::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        russian::registerScreens();
    }

    static bool isOpen(const QString& screen)
    {
        gui::Form* form = shared::instanceOf(screen);
        return form && form->isVisible();
    }
};

TEST_F(ParticipleTheoryTest, EveryEntryOpensItsPageOverTheContents)
{
    const std::pair<const char*, const char*> entries[] = {
        {"Label2", "TForm2"},  {"Label3", "TForm3"},  {"Label4", "TForm4"}, {"Label5", "TForm5"},
        {"Label11", "TForm6"}, {"Label6", "TForm7"},  {"Label7", "TForm7"}, {"Label8", "TForm8"},
        {"Label9", "TForm9"},  {"Label10", "TForm10"}};
    gui::Form& contents = *shared::OpenForm("TForm1");
    for (const auto& [entry, page] : entries) {
        contents.label(entry).click();
        ASSERT_TRUE(isOpen(page)) << entry;
        pressKey(*shared::instanceOf(page), Qt::Key_Escape);
        EXPECT_FALSE(isOpen(page)) << entry;
        EXPECT_EQ(gui::Display::instance().activeForm(), &contents);
    }
}

// Entered at page 5, four times "Далее" and then "Практика" lead to the first exercise, the
// contents page still open.
TEST_F(ParticipleTheoryTest, TheChainRunsOnToThePractice)
{
    gui::Form& contents = *shared::OpenForm("TForm1");
    contents.label("Label11").click();
    for (const char* name : {"TForm6", "TForm7", "TForm8", "TForm9", "TForm10"}) {
        gui::Form& page = *shared::instanceOf(name);
        ASSERT_TRUE(page.isVisible()) << name;
        page.button("BitBtn2").click();
        EXPECT_FALSE(page.isVisible()) << name;
    }
    EXPECT_TRUE(isOpen("TForm11"));
    EXPECT_TRUE(contents.isVisible());
}

TEST_F(ParticipleTheoryTest, TheSidePageOpensOverPage7AndLeavesItsChainAlone)
{
    gui::Form& page = *shared::OpenForm("TForm8");
    page.label("Label39").click();
    gui::Form* side = shared::instanceOf("TForm34");
    ASSERT_TRUE(side && side->isVisible());
    EXPECT_TRUE(page.isVisible());
    side->button("BitBtn1").click();
    EXPECT_FALSE(side->isVisible());
    EXPECT_EQ(gui::Display::instance().activeForm(), &page);

    page.label("Label39").click();
    EXPECT_NE(shared::instanceOf("TForm34"), side);
    shared::instanceOf("TForm34")->Close();
    page.button("BitBtn2").click();
    EXPECT_TRUE(isOpen("TForm9"));
}

// "Далее" is no default button: Enter presses whichever button has the focus, "Закрыть" on a fresh
// page 1, "Далее" on the others.
TEST_F(ParticipleTheoryTest, EnterPressesTheFocusedButtonAndEscCloses)
{
    for (qsizetype i = 0; i < Pages.size(); ++i) {
        SCOPED_TRACE(Pages[i].toStdString());
        gui::Form& page = *shared::OpenForm(Pages[i]);
        pressKey(page, Qt::Key_Return);
        EXPECT_FALSE(page.isVisible());
        if (i + 1 < Pages.size()) {
            EXPECT_EQ(isOpen(Pages[i + 1]), i > 0);
            if (gui::Form* next = shared::instanceOf(Pages[i + 1]))
                next->Close();
        }
        gui::Form& escaped = *shared::OpenForm(Pages[i]);
        pressKey(escaped, Qt::Key_Escape);
        EXPECT_FALSE(escaped.isVisible());
    }
    gui::Form& side = *shared::OpenForm("TForm34");
    pressKey(side, Qt::Key_Return);
    EXPECT_FALSE(side.isVisible());
}

// At twice the design width the dividers and boundary strokes stay one pixel wide while their
// heights double, and glyph pictures keep their pixel size while their places double.
TEST_F(ParticipleTheoryTest, OnePixelStrokesAndGlyphsKeepTheirSize)
{
    useDisplay(1600, 1200);
    gui::Form& tables = *shared::createScreen("TForm4");
    for (const char* divider : {"Shape4", "Shape8"}) {
        EXPECT_EQ(tables.shape(divider).bounds().width(), 1) << divider;
        EXPECT_EQ(tables.shape(divider).bounds().height(), 130) << divider;
    }
    gui::Form& punctuation = *shared::createScreen("TForm6");
    for (int i = 1; i <= 12; ++i) {
        const QRect stroke = punctuation.shape("Shape" + QString::number(i)).bounds();
        EXPECT_EQ(stroke.size(), QSize(1, 66)) << i;
    }
    const gui::Image& glyph = punctuation.image("Image1");
    EXPECT_EQ(glyph.picture().size(), QSize(18, 29));
    EXPECT_EQ(glyph.bounds().left() % 2, 0);
}

} // namespace
