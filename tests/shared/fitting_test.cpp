#include "tests/support/GuiTest.h"

#include "shared/Fitting.h"
#include "shared/Screen.h"

namespace {

using shared::Placement;
using shared::placementBounds;
using shared::scaleFactorFor;
using shared::scaleValue;

TEST(Fitting, ScalesByTheWidthRatioWithHalvesToEven)
{
    const double at1024 = scaleFactorFor(1024);
    EXPECT_DOUBLE_EQ(at1024, 1.28);
    EXPECT_EQ(scaleValue(592, at1024), 758);
    EXPECT_EQ(scaleValue(249, at1024), 319);
    EXPECT_EQ(scaleValue(97, at1024), 124);
    EXPECT_EQ(scaleValue(25, at1024), 32);
    EXPECT_EQ(scaleValue(14, at1024), 18);

    const double at1200 = scaleFactorFor(1200);
    EXPECT_EQ(scaleValue(25, at1200), 38); // 37.5
    EXPECT_EQ(scaleValue(11, at1200), 16); // 16.5
    EXPECT_EQ(scaleValue(9, at1200), 14);  // 13.5
    EXPECT_EQ(scaleValue(7, at1200), 10);  // 10.5

    for (int value : {0, 1, 25, 97, 792})
        EXPECT_EQ(scaleValue(value, scaleFactorFor(800)), value);
    EXPECT_EQ(scaleValue(275, scaleFactorFor(1920)), 660);
}

TEST(Fitting, PlacesWindowsByPlacement)
{
    EXPECT_EQ(placementBounds(Placement::TopHalf, 800, 600), QRect(0, 0, 800, 300));
    EXPECT_EQ(placementBounds(Placement::TopHalf, 1024, 768), QRect(0, 0, 1024, 384));
    EXPECT_EQ(placementBounds(Placement::TopHalf, 1680, 1050), QRect(0, 0, 1680, 525));
    EXPECT_EQ(placementBounds(Placement::ParticiplePractice, 1680, 1050), QRect(0, 525, 1680, 525));
    EXPECT_EQ(placementBounds(Placement::AdverbsPractice, 1680, 1050), QRect(0, 525, 1680, 1050));
    // An odd height: the division truncates.
    EXPECT_EQ(placementBounds(Placement::TopHalf, 1400, 1025).height(), 512);
    EXPECT_EQ(placementBounds(Placement::ParticiplePractice, 1400, 1025), QRect(0, 512, 1400, 512));
    EXPECT_EQ(placementBounds(Placement::FullScreen, 1920, 1080), QRect(0, 0, 1920, 1080));
}

class ScreenFitting : public testing_support::GuiTest {
protected:
    gui::Form& page()
    {
        return *testing_support::makeForm<shared::Screen>(shared::ScreenDeclaration{
            testing_support::fixtureId("shared", "page"), shared::TopHalfPlacement, {}, {}});
    }
};

TEST_F(ScreenFitting, At1024By768EveryDesignValueScalesBy128)
{
    useDisplay(1024, 768);
    gui::Form& fitted = page();
    EXPECT_EQ(fitted.geometry(), QRect(0, 0, 1024, 384));
    EXPECT_EQ(fitted.label("Label1").bounds().topLeft(), QPoint(369, 31));
    EXPECT_EQ(fitted.label("Label1").fontSize(), 46);
    EXPECT_EQ(fitted.label("Label2").bounds().topLeft(), QPoint(164, 133));
    EXPECT_EQ(fitted.button("BitBtn1").bounds(), QRect(758, 319, 124, 32));
    EXPECT_EQ(fitted.button("BitBtn1").fontSize(), 18);
}

TEST_F(ScreenFitting, SizesTheLayoutKeepsStayWhilePositionsScale)
{
    useDisplay(1600, 1200);
    gui::Form& fitted = page();
    EXPECT_EQ(fitted.shape("Shape1").bounds(), QRect(808, 416, 1, 66));
    EXPECT_EQ(fitted.image("Image1").bounds(), QRect(480, 144, 121, 41));
}

TEST_F(ScreenFitting, AtTheDesignWidthNothingChanges)
{
    gui::Form& fitted = page();
    EXPECT_EQ(fitted.geometry(), QRect(0, 0, 800, 300));
    EXPECT_EQ(fitted.label("Label1").bounds().topLeft(), QPoint(288, 24));
    EXPECT_EQ(fitted.button("BitBtn1").bounds(), QRect(592, 249, 97, 25));
    EXPECT_EQ(fitted.button("BitBtn1").fontSize(), 14);
}

TEST_F(ScreenFitting, AWideWindowShowsTheScreensInItsCentredFourByThreeArea)
{
    useDisplay(1920, 1080);
    EXPECT_EQ(gui::Display::instance().area()->geometry(), QRect(240, 0, 1440, 1080));
    gui::Form& fitted = page();
    EXPECT_EQ(fitted.geometry(), QRect(0, 0, 1440, 540));
    // Scaled by the area's width, the button designed at top 249 stays inside the window.
    EXPECT_EQ(fitted.button("BitBtn1").bounds().bottom() + 1,
              scaleValue(249, 1.8) + scaleValue(25, 1.8));
    EXPECT_LE(fitted.button("BitBtn1").bounds().bottom(), 540);
}

} // namespace
