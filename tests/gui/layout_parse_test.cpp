#include "gui/Layout.h"
#include "gui/LayoutError.h"

#include <gtest/gtest.h>

namespace {

gui::LayoutSpec parse(const char* yaml)
{
    return gui::parseLayout("fixture", QByteArray(yaml));
}

std::string errorOf(const QByteArray& yaml)
{
    try {
        gui::parseLayout("fixture", yaml);
    } catch (const gui::LayoutError& error) {
        return error.what();
    }
    return "no error";
}

TEST(LayoutParse, ReadsTheWindowAndEveryControlInPaintOrder)
{
    const gui::LayoutSpec layout = parse(R"(
caption: Form9
client: [792, 341]
color: clBtnHighlight
font: {name: Times New Roman, size: 14, style: [italic]}
controls:
  - Shape1: {rect: [-8, 0, 800, 2], unscaled: [height], brush: clear, pen: clRed}
  - Label1: {at: [10, 20], text: "Наречие", size: 20, style: [bold], color: clGreen, cursor: hand}
  - Label2: {at: [30, 40], text: "/", mark: true, visible: false}
  - BitBtn1: {rect: [592, 249, 97, 25], kind: cancel, tab: 0}
  - Timer1: {interval: 20, enabled: false}
)");
    EXPECT_EQ(layout.caption, "Form9");
    EXPECT_EQ(layout.client, QSize(792, 341));
    EXPECT_EQ(layout.color, gui::clBtnHighlight);
    ASSERT_EQ(layout.controls.size(), 5u);

    const gui::ControlSpec& rule = layout.controls[0];
    EXPECT_EQ(rule.kind, gui::ControlKind::Shape);
    EXPECT_EQ(rule.rect, QRect(-8, 0, 800, 2));
    EXPECT_TRUE(rule.unscaled.height);
    EXPECT_FALSE(rule.unscaled.width);
    EXPECT_FALSE(rule.brush.has_value());
    EXPECT_EQ(rule.pen, gui::clRed);

    // A control's font starts from the layout's and takes its own keys over it.
    const gui::ControlSpec& title = layout.controls[1];
    EXPECT_EQ(title.rect, QRect(10, 20, 0, 0));
    EXPECT_EQ(title.font.name, "Times New Roman");
    EXPECT_EQ(title.font.size, 20);
    EXPECT_TRUE(title.font.bold);
    EXPECT_TRUE(title.font.italic);
    EXPECT_EQ(title.font.color, gui::clGreen);
    EXPECT_EQ(title.cursor, Qt::PointingHandCursor);

    EXPECT_TRUE(layout.controls[2].mark);
    EXPECT_FALSE(layout.controls[2].visible);
    EXPECT_EQ(layout.controls[3].buttonKind, gui::ButtonKind::Cancel);
    EXPECT_EQ(layout.controls[3].tab, 0);
    EXPECT_FALSE(layout.controls[3].text.has_value()); // the kind's stock caption
    EXPECT_EQ(layout.controls[4].interval, 20);
    EXPECT_FALSE(layout.controls[4].enabled);
}

TEST(LayoutParse, EveryFaultNamesTheFileTheControlAndTheKey)
{
    const std::pair<QByteArray, std::string> cases[] = {
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [0, 0], txt: a}",
         "fixture.yaml: Label1: unknown key 'txt'"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [0, 0]}\n  - Label1: {at: [0, 9]}",
         "fixture.yaml: Label1: duplicate name"},
        {"client: [1, 1]\ncontrols:\n  - Button1: {rect: [0, 0, 5, 5]}",
         "fixture.yaml: Button1: the name gives no control type"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {text: a}",
         "fixture.yaml: Label1: 'at' is missing"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [0, x]}",
         "fixture.yaml: Label1: 'at' must be a whole number"},
        {"client: [1, 1]\ncontrols:\n  - Shape1: {rect: [0, 0, 5]}",
         "fixture.yaml: Shape1: 'rect' must be a list of 4 numbers"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [0, 0], size: 32768}",
         "fixture.yaml: Label1: 'size' must lie between 1 and 500"},
        {"client: [1, 1]\ncontrols:\n  - BitBtn1: {rect: [0, 0, 22000000, 25]}",
         "fixture.yaml: BitBtn1: 'rect' must lie between 0 and 10000"},
        {"client: [1, 1]\ncontrols:\n  - StatusBar1: {panels: [a, b]}",
         "fixture.yaml: StatusBar1: 'panels' must be a whole number"},
        {"client: [1, 1]\ncontrols:\n  - StatusBar1: {panels: 5}",
         "fixture.yaml: StatusBar1: 'panels' must be a list"},
        {"client: [1, 1]\ncontrols:\n  - BitBtn1: {rect: [0, 0, 5, 5], kind: okay}",
         "fixture.yaml: BitBtn1: 'kind' does not know 'okay'"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [0, 0], color: clPurple}",
         "fixture.yaml: Label1: 'color' names no colour: 'clPurple'"},
        {"client: [1, 1]\ncontrols:\n  - [Label1]: {at: [0, 0]}",
         "fixture.yaml: 'controls' a control's name must be a text"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {[at]: [0, 0]}",
         "fixture.yaml: Label1: has a key that is not a text"},
        {"client: [1, 1]\nfont: {name: Arial, weight: 3}",
         "fixture.yaml: unknown key 'font.weight'"},
        {"client: [1, 1]\nform: TForm1", "fixture.yaml: unknown key 'form'"},
        {"controls: []", "fixture.yaml: 'client' is missing"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [0, 0], text: \"\xD0\"}",
         "fixture.yaml: line 3 is not valid UTF-8"},
        {"client: [1, 1]\ncontrols:\n  - Image1: {rect: [0, 0, 5, 5], picture: none.jpg}",
         "fixture.yaml: Image1: 'picture' picture none.jpg: not found"},
    };
    for (const auto& [yaml, message] : cases)
        EXPECT_EQ(errorOf(yaml), message) << yaml.toStdString();
    EXPECT_EQ(errorOf("client: [1, 1\n").rfind("fixture.yaml: malformed", 0), 0u);
}

} // namespace
