#include "tests/support/GuiTest.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {

using testing_support::clickControl;
using testing_support::GuiTest;

// A form that counts its activations and shows modally on demand.
class CountingForm : public gui::Form {
public:
    explicit CountingForm(const QString& layout = "layers")
        : Form(testing_support::fixtureId("gui", layout))
    {
    }
    void FormShow() override { ++shows; }
    void FormActivate() override { ++activations; }
    int shows = 0;
    int activations = 0;
};

using FormsTest = GuiTest;

TEST_F(FormsTest, TheActiveFormIsTheTopmostVisibleOne)
{
    auto* bottom = testing_support::makeForm<CountingForm>();
    auto* top = testing_support::makeForm<CountingForm>();
    bottom->Show();
    top->Show();
    gui::Display& display = gui::Display::instance();
    EXPECT_EQ(display.activeForm(), top);
    EXPECT_EQ(bottom->activations, 1);

    // Hiding the active form activates the next visible one down and runs its handler.
    top->Close();
    EXPECT_EQ(display.activeForm(), bottom);
    EXPECT_EQ(bottom->activations, 2);
    EXPECT_EQ(bottom->shows, 1);
}

TEST_F(FormsTest, ClickingAFormRaisesAndActivatesIt)
{
    auto* first = testing_support::makeForm<CountingForm>();
    auto* second = testing_support::makeForm<CountingForm>();
    first->Show();
    second->Show();
    second->setWindowBounds(QRect(400, 300, 300, 200));
    QTest::mouseClick(first->clientArea(), Qt::LeftButton, Qt::NoModifier, QPoint(250, 150));
    EXPECT_EQ(gui::Display::instance().activeForm(), first);
    EXPECT_EQ(gui::Display::instance().visibleForms().back(), first);
    EXPECT_EQ(first->activations, 2);
}

TEST_F(FormsTest, ClicksReachTheTopmostGraphicControl)
{
    auto* form = testing_support::makeForm<CountingForm>();
    form->Show();
    QStringList clicks;
    for (const char* name : {"Shape1", "Label1", "Shape2"})
        form->onClick(name, [&clicks, name] { clicks.append(name); });
    // Shape2 lies over the label, which lies over Shape1.
    QTest::mouseClick(form->clientArea(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 25));
    QTest::mouseClick(form->clientArea(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 55));
    EXPECT_EQ(clicks, (QStringList{"Shape2", "Shape1"}));

    form->shape("Shape2").setShown(false);
    clickControl(*form, "Label1");
    EXPECT_EQ(clicks.last(), "Label1");
}

// Young pupils double-click: the second press is no second click, on a label or a button, nor on
// whatever a first click has just put under the mouse.
TEST_F(FormsTest, ADoubleClickCountsAsOneClick)
{
    auto* form = testing_support::makeForm<CountingForm>("keys");
    form->Show();
    int labelClicks = 0;
    form->onClick("Label1", [&labelClicks] { ++labelClicks; });
    const QPoint word = form->label("Label1").bounds().center();
    testing_support::doubleClick(form->clientArea(), word);
    EXPECT_EQ(labelClicks, 1);

    auto* next = testing_support::makeForm<CountingForm>("keys");
    int nextClicks = 0;
    next->onClick("BitBtn1", [&nextClicks] { ++nextClicks; });
    form->onClick("BitBtn1", [next] { next->Show(); });
    gui::BitBtn& opener = form->button("BitBtn1");
    testing_support::doubleClick(&opener, opener.rect().center(), &next->button("BitBtn1"));
    EXPECT_TRUE(next->isVisible());
    EXPECT_EQ(nextClicks, 0);

    // An edit field keeps its double click, which selects a word.
    auto& edit = next->get<gui::Edit>("Edit1");
    edit.setText("слово");
    testing_support::doubleClick(&edit, QPoint(8, edit.height() / 2));
    EXPECT_EQ(edit.selectedText(), "слово");
}

TEST_F(FormsTest, LaterControlsPaintOverEarlierOnes)
{
    auto* form = testing_support::makeForm<CountingForm>();
    form->Show();
    const QImage picture = form->clientArea()->grab().toImage();
    EXPECT_EQ(picture.pixelColor(30, 40), QColor(255, 0, 0));      // Shape2 over Shape1
    EXPECT_EQ(picture.pixelColor(80, 50), QColor(255, 255, 0));    // Shape1 alone
    EXPECT_EQ(picture.pixelColor(10, 10), QColor(0, 0, 0));        // the outline's corner
    EXPECT_EQ(picture.pixelColor(109, 59), QColor(0, 0, 0));       // its last pixel
    EXPECT_EQ(picture.pixelColor(110, 60), QColor(255, 255, 255)); // outside the bounds
    // The picture is drawn at its natural size in the top-left corner of the image.
    EXPECT_EQ(picture.pixelColor(185, 45), QColor(255, 255, 255));
}

TEST_F(FormsTest, TheStatusBarSpansTheBottomWithItsLastPanelToTheEdge)
{
    auto* form = testing_support::makeForm<CountingForm>();
    auto& bar = form->get<gui::StatusBar>("StatusBar1");
    EXPECT_EQ(bar.bounds(), QRect(0, 200 - 19, 300, 19));
    bar.setPanelText(1, "правая");
    EXPECT_EQ(bar.panelText(1), "правая");
    form->setWindowBounds(QRect(0, 0, 800, 600));
    EXPECT_EQ(bar.bounds(), QRect(0, 600 - 19, 800, 19));
}

TEST_F(FormsTest, ShowModalReturnsTheResultOfTheButtonKind)
{
    auto* form = testing_support::makeForm<CountingForm>("modal");
    const std::pair<const char*, int> cases[] = {
        {"BitBtn1", gui::ModalResult::OK},
        {"BitBtn2", gui::ModalResult::Cancel},
        {"BitBtn3", gui::ModalResult::Ignore},
    };
    for (const auto& [name, expected] : cases) {
        QTimer::singleShot(0, form, [form, name = QString(name)] { form->button(name).click(); });
        EXPECT_EQ(form->ShowModal(), expected) << name;
        EXPECT_TRUE(form->isHidden());
    }
    // Close on a modal form ends the run with the cancel result.
    QTimer::singleShot(0, form, [form] { form->Close(); });
    EXPECT_EQ(form->ShowModal(), gui::ModalResult::Cancel);
}

TEST_F(FormsTest, AModalRunBlocksOtherFormsButNotTimers)
{
    auto* other = testing_support::makeForm<CountingForm>();
    other->Show();
    int otherClicks = 0;
    other->onClick("Shape1", [&otherClicks] { ++otherClicks; });

    auto* modal = testing_support::makeForm<CountingForm>("modal");
    int ticks = 0;
    modal->get<gui::Timer>("Timer1").setOnTimer([&] {
        if (++ticks == 1)
            clickControl(*other, "Shape1");
        if (ticks == 5)
            modal->Close();
    });
    EXPECT_EQ(modal->ShowModal(), gui::ModalResult::Cancel);
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(otherClicks, 0);
    EXPECT_EQ(gui::Display::instance().activeForm(), other);

    clickControl(*other, "Shape1");
    EXPECT_EQ(otherClicks, 1);
}

TEST_F(FormsTest, ClosingTheMainFormEndsTheProgram)
{
    auto* menu = testing_support::makeForm<CountingForm>();
    auto* page = testing_support::makeForm<CountingForm>();
    gui::Application::instance().claimMainForm(menu);
    gui::Application::instance().claimMainForm(page);
    EXPECT_EQ(gui::Application::instance().mainForm(), menu);
    page->Show();
    page->Close();
    EXPECT_FALSE(gui::Application::instance().terminated());
    menu->Close();
    EXPECT_TRUE(gui::Application::instance().terminated());
}

} // namespace

namespace {

// Pixels in the area whose colour leans clearly towards the given pure colour (antialiased
// edges included).
int pixelsOfColour(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const int lean = colour == QColor(255, 0, 0) ? pixel.red() - pixel.blue()
                                                         : pixel.blue() - pixel.red();
            count += lean > 100 ? 1 : 0;
        }
    }
    return count;
}

TEST_F(FormsTest, TextOfEverySizeIsPaintedAgainAndAgain)
{
    auto* form = testing_support::fixtureForm("gui", "big_text");
    form->Show();
    const QRect big = form->label("Label1").bounds();
    const QRect small = form->label("Label2").bounds();
    for (int paint = 0; paint < 2; ++paint) {
        const QImage picture = form->clientArea()->grab().toImage();
        EXPECT_GT(pixelsOfColour(picture, big, QColor(255, 0, 0)), big.width() * big.height() / 20);
        EXPECT_GT(pixelsOfColour(picture, small, QColor(255, 0, 0)), small.width() / 2);
    }
    form->label("Label1").setColor(gui::clBlue);
    const QImage recoloured = form->clientArea()->grab().toImage();
    EXPECT_EQ(pixelsOfColour(recoloured, big, QColor(255, 0, 0)), 0);
    EXPECT_GT(pixelsOfColour(recoloured, big, QColor(0, 0, 255)), big.width() * big.height() / 20);
}

} // namespace
