#include "gui/Layout.h"
#include "gui/LayoutError.h"

#include <gtest/gtest.h>

namespace {

// Layouts no program ships, as a damaged or hand-edited file could hold them: each is refused with
// an error naming the file, the control and the key, and every number is bounded.
TEST(LayoutFaults, KeysThatAreNoTextsHugeNumbersAbsurdSizesAndBadUtf8AreRefused)
{
    const std::pair<QByteArray, std::string> cases[] = {
        {"client: [1, 1]\n? [a, b]\n: 1\n", "fixture.yaml: has a key that is not a text"},
        {"client: [1, 1]\nfont: {? [a]: 1}\n", "fixture.yaml: 'font' has a key that is not a text"},
        {"client: [1, 1]\ncaption: [x]", "fixture.yaml: 'caption' must be a text"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [0, 0], text: {a: b}}",
         "fixture.yaml: Label1: 'text' must be a text"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: {x: 1, y: 2}}",
         "fixture.yaml: Label1: 'at' must be a list of 2 numbers"},
        // Numbers beyond 64 bits, in other notations, and just past the bounds.
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [99999999999999999999, 0]}",
         "fixture.yaml: Label1: 'at' must be a whole number"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [-9223372036854775809, 0]}",
         "fixture.yaml: Label1: 'at' must be a whole number"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [1e12, 0]}",
         "fixture.yaml: Label1: 'at' must be a whole number"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [.inf, 0]}",
         "fixture.yaml: Label1: 'at' must be a whole number"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [0x7fffffff, 0]}",
         "fixture.yaml: Label1: 'at' must lie between -10000 and 10000"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [0, -10001]}",
         "fixture.yaml: Label1: 'at' must lie between -10000 and 10000"},
        {"client: [100000, 1]", "fixture.yaml: 'client' must lie between 0 and 10000"},
        {"client: [1, -1]", "fixture.yaml: 'client' must lie between 0 and 10000"},
        {"client: [1, 1]\ncontrols:\n  - Shape1: {rect: [0, 0, -5, 10]}",
         "fixture.yaml: Shape1: 'rect' must lie between 0 and 10000"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [0, 0], size: 0}",
         "fixture.yaml: Label1: 'size' must lie between 1 and 500"},
        {"client: [1, 1]\nfont: {size: 501}", "fixture.yaml: 'size' must lie between 1 and 500"},
        {"client: [1, 1]\ncontrols:\n  - Timer1: {interval: 0}",
         "fixture.yaml: Timer1: 'interval' must lie between 1 and 86400000"},
        {"client: [1, 1]\ncontrols:\n  - StatusBar1: {panels: [10001]}",
         "fixture.yaml: StatusBar1: 'panels' must lie between 0 and 10000"},
        // A mark names a label of the layout and letters that stand in it, bracketed once.
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [0, 0], text: \"читающий\"}\n"
         "  - Label2: {at: [0, 0], text: \"^\", mark: true, on: [Label3, \"чит[аю]щий\"]}",
         "fixture.yaml: Label2: 'on' names no label 'Label3'"},
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [0, 0], text: \"читающий\"}\n"
         "  - Label2: {at: [0, 0], text: \"^\", mark: true, on: [Label1, \"читаемый\"]}",
         "fixture.yaml: Label2: 'on' 'читаемый' must bracket the marked letters once, as "
         "\"чит[аю]щий\""},
        {"client: [1, 1]\ncontrols:\n  - Label1: {at: [0, 0], text: \"читающий\"}\n"
         "  - Label2: {at: [0, 0], text: \"^\", mark: true, on: [[Label1, \"чит[ае]мый\"]]}",
         "fixture.yaml: Label2: 'on' 'читаемый' does not stand in Label1"},
        {"client: [1, 1]\ncontrols:\n  - Label2: {at: [0, 0], text: \"^\", on: [Label1]}",
         "fixture.yaml: Label2: 'on' must be [label, \"wo[rd]\"] or a list of such"},
        // An overlong encoding, an encoded surrogate, a code point past U+10FFFF, stray bytes.
        {"client: [1, 1]\ncaption: \"\xC0\x80\"", "fixture.yaml: line 2 is not valid UTF-8"},
        {"client: [1, 1]\ncaption: \"\xED\xA0\x80\"", "fixture.yaml: line 2 is not valid UTF-8"},
        {"client: [1, 1]\ncaption: \"\xF4\x90\x80\x80\"",
         "fixture.yaml: line 2 is not valid UTF-8"},
        {"client: [1, 1]\n\xFF\xFE: 1", "fixture.yaml: line 2 is not valid UTF-8"},
    };
    for (const auto& [yaml, message] : cases) {
        try {
            gui::parseLayout("fixture", yaml);
            ADD_FAILURE() << "taken: " << yaml.toStdString();
        } catch (const gui::LayoutError& error) {
            EXPECT_EQ(error.what(), message) << yaml.toStdString();
        }
    }
}

TEST(LayoutFaults, TheBoundsThemselvesAreTaken)
{
    const gui::LayoutSpec layout = gui::parseLayout("fixture", R"(
client: [10000, 0]
controls:
  - Shape1: {rect: [-10000, 10000, 10000, 0]}
  - Label1: {at: [0, 0], size: 500}
  - Label2: {at: [0, 0], size: 1}
)");
    EXPECT_EQ(layout.client, QSize(10000, 0));
    EXPECT_EQ(layout.controls[0].rect, QRect(-10000, 10000, 10000, 0));
    EXPECT_EQ(layout.controls[1].font.size, 500);
    EXPECT_EQ(layout.controls[2].font.size, 1);
}

} // namespace
