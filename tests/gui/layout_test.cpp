#include "tests/support/GuiTest.h"

#include "gui/LayoutError.h"

#include <QFontMetricsF>
#include <cmath>

namespace {

using testing_support::GuiTest;

class LayoutTest : public GuiTest {
protected:
    gui::Form* load(const QString& name) { return testing_support::fixtureForm("gui", name); }
};

TEST_F(LayoutTest, AFormThatCannotBeBuiltNamesItsLayout)
{
    EXPECT_THROW(
        {
            try {
                load("no_such_layout");
            } catch (const gui::LayoutError& error) {
                EXPECT_STREQ(error.what(),
                             "tests/gui/layouts/no_such_layout.yaml: layout not found");
                throw;
            }
        },
        gui::LayoutError);
    EXPECT_THROW(load("bad_picture"), gui::LayoutError);
}

TEST_F(LayoutTest, HandlerForAMissingControlIsAnError)
{
    gui::Form* form = load("keys");
    try {
        form->onClick("Label9", [] {});
        FAIL() << "binding to a missing control must fail";
    } catch (const gui::LayoutError& error) {
        EXPECT_STREQ(error.what(), "tests/gui/layouts/keys.yaml: Label9: click handler bound to a "
                                   "control that the layout lacks");
    }
    EXPECT_THROW(form->label("BitBtn1"), gui::LayoutError);
}

TEST_F(LayoutTest, ControlsTakeTheirPropertiesFromTheLayout)
{
    gui::Form* form = load("keys");
    EXPECT_EQ(form->className(), "TKeys");
    EXPECT_EQ(form->designClientSize(), QSize(400, 200));
    EXPECT_EQ(form->button("BitBtn1").bounds(), QRect(8, 100, 90, 25));
    EXPECT_EQ(form->button("BitBtn2").buttonKind(), gui::ButtonKind::OK);
    // A button without a caption of its own shows its kind's stock caption.
    EXPECT_EQ(form->button("BitBtn4").text(), "OK");
    EXPECT_EQ(form->button("BitBtn5").text(), "Выход");

    const gui::Label& label = form->label("Label1");
    EXPECT_EQ(label.font().name, "Times New Roman");
    EXPECT_EQ(label.font().size, 12);
    EXPECT_EQ(label.color(), gui::clWindowText);
    EXPECT_EQ(label.cursor(), Qt::PointingHandCursor);
}

TEST_F(LayoutTest, LabelsSizeThemselvesToOneLineOfText)
{
    gui::Form* form = load("keys");
    gui::Label& label = form->label("Label1");
    const QFontMetricsF metrics(label.font().toQFont());
    auto ceiled = [](qreal value) { return int(std::ceil(value)); };
    EXPECT_EQ(label.bounds().size(),
              QSize(ceiled(metrics.horizontalAdvance("Кнопки")), ceiled(metrics.height())));

    label.setText("Кнопки и поля");
    EXPECT_EQ(label.bounds().width(), ceiled(metrics.horizontalAdvance("Кнопки и поля")));
    label.setFontSize(24);
    EXPECT_GT(label.bounds().height(), metrics.height());
    EXPECT_EQ(label.bounds().topLeft(), QPoint(8, 8));
}

// A fitted label reports its size in whole points, but its text keeps the design's proportions:
// 16 points (21 pixels) scaled by 1.8 round to 29 points (39 pixels), whose text is 3 % wider than
// the design's times 1.8.
TEST_F(LayoutTest, AFittedLabelIsItsDesignTextExactlyScaled)
{
    gui::Label& label = load("keys")->label("Label1");
    label.setText("К берёзам грачи прилетели гурьбой,");
    label.setFontSize(16);
    const QSize design = label.bounds().size();
    label.fitFont(29, 1.8);
    EXPECT_EQ(label.fontSize(), 29);
    EXPECT_NEAR(label.bounds().width(), design.width() * 1.8, 2.0);
    EXPECT_NEAR(label.bounds().height(), design.height() * 1.8, 2.0);
    gui::Font rounded = label.font();
    rounded.setSize(29);
    EXPECT_GT(std::abs(QFontMetricsF(rounded.toQFont()).horizontalAdvance(label.text()) -
                       design.width() * 1.8),
              10.0);
}

TEST_F(LayoutTest, FontSizesBecomePixelHeightsAt96PixelsPerInch)
{
    const std::pair<int, int> table[] = {{8, 11},  {10, 13}, {12, 16}, {14, 19}, {16, 21},
                                         {18, 24}, {20, 27}, {22, 29}, {24, 32}, {28, 37},
                                         {36, 48}, {48, 64}, {72, 96}};
    for (const auto& [points, pixels] : table)
        EXPECT_EQ(gui::pixelHeight(points), pixels) << points << " pt";
}

TEST_F(LayoutTest, ColoursKeepSystemColoursApart)
{
    EXPECT_EQ(gui::parseColor("clBlue"), gui::clBlue);
    EXPECT_EQ(gui::parseColor("$80FFFF")->toQColor(), QColor(255, 255, 128));
    EXPECT_EQ(gui::parseColor("$0000FF"), gui::clRed);
    EXPECT_NE(gui::clWindowText, gui::clBlack);
    EXPECT_EQ(gui::clWindowText.toQColor(), gui::clBlack.toQColor());
    EXPECT_FALSE(gui::parseColor("clPurple"));
    EXPECT_FALSE(gui::parseColor("$GG0000"));
}

} // namespace
