#include "tests/adverbs/practice_support.h"

#include "gui/Image.h"
#include "gui/Shape.h"

#include <QImage>

namespace {

using namespace practice_testing;

struct Reveal {
    const char* screen;
    const char* rule; // the line along the top edge, never coloured
    std::vector<std::pair<QString, gui::Color>> shapes;
};

const std::vector<Reveal> reveals = {
    {"TForm25",
     "Shape1",
     {{"Shape2", gui::clRed},
      {"Shape3", gui::clGreen},
      {"Shape4", gui::clYellow},
      {"Shape5", gui::clBlue},
      {"Shape6", gui::clAqua}}},
    {"TForm48",
     "Shape1",
     {{"Shape2", gui::clGreen},
      {"Shape3", gui::clRed},
      {"Shape4", gui::clBlue},
      {"Shape5", gui::clYellow},
      {"Shape6", gui::clAqua}}},
    // а: red, б: green, в: blue.
    {"TForm45",
     "Shape9",
     {{"Shape1", gui::clBlue},
      {"Shape2", gui::clGreen},
      {"Shape3", gui::clBlue},
      {"Shape4", gui::clBlue},
      {"Shape5", gui::clBlue},
      {"Shape6", gui::clBlue},
      {"Shape7", gui::clGreen},
      {"Shape8", gui::clRed}}},
    {"TForm49",
     "Shape9",
     {{"Shape1", gui::clBlue},
      {"Shape2", gui::clGreen},
      {"Shape3", gui::clGreen},
      {"Shape4", gui::clGreen},
      {"Shape5", gui::clRed},
      {"Shape6", gui::clRed},
      {"Shape7", gui::clBlue},
      {"Shape8", gui::clRed}}},
};

// The colours the screen's shapes are filled with, in shape order.
std::vector<gui::Color> fills(const gui::Form& screen, const Reveal& reveal)
{
    std::vector<gui::Color> colours;
    for (const auto& [shape, colour] : reveal.shapes)
        colours.push_back(screen.shape(shape).brushColor());
    return colours;
}

std::vector<gui::Color> revealed(const Reveal& reveal)
{
    std::vector<gui::Color> colours;
    for (const auto& [shape, colour] : reveal.shapes)
        colours.push_back(colour);
    return colours;
}

// A point inside the figure near its top, where no text lies.
QPoint insideTop(const gui::Shape& shape)
{
    const QRect bounds = shape.bounds();
    const int side = std::min(bounds.width(), bounds.height());
    const int top = shape.shape() == gui::ShapeType::Circle
                        ? bounds.top() + (bounds.height() - side) / 2
                        : bounds.top();
    const int height = shape.shape() == gui::ShapeType::Circle ? side : bounds.height();
    return {bounds.center().x(), top + height / 8};
}

class RevealTest : public PracticeTest, public ::testing::WithParamInterface<Reveal> {};

TEST_P(RevealTest, AWrongAnswerLeavesEveryShapeWhite)
{
    const Reveal& reveal = GetParam();
    const std::vector<gui::Color> white(reveal.shapes.size(), gui::clWhite);
    std::vector<QStringList> wrongAnswers = singleDeviations(*choiceScreenOf(reveal.screen));
    wrongAnswers.push_back({});
    for (const QStringList& choices : wrongAnswers) {
        SCOPED_TRACE(choices.join(' ').toStdString());
        messages.clear();
        gui::Form& screen = open(reveal.screen);
        EXPECT_EQ(fills(screen, reveal), white);
        answer(screen, choices);
        EXPECT_EQ(messages, QStringList{Retry});
        EXPECT_EQ(fills(screen, reveal), white);
        screen.Close();
    }
}

// All at once, before the praise, and painted while the message is up; the rule keeps its white.
TEST_P(RevealTest, ARightAnswerColoursEveryShapeAtOnceWhileThePraiseIsUp)
{
    const Reveal& reveal = GetParam();
    gui::Form& screen = open(reveal.screen);
    const QStringList key = keyOf(reveal.screen);
    for (const QString& option : key.mid(0, key.size() - 1))
        testing_support::clickControl(screen, option);
    EXPECT_EQ(fills(screen, reveal), std::vector<gui::Color>(reveal.shapes.size(), gui::clWhite));

    std::vector<gui::Color> shownFills;
    std::vector<QColor> painted;
    bool visible = false;
    gui::MessageBox::setObserver([&](gui::MessageBox& box) {
        messages << box.text();
        visible = screen.isVisible();
        shownFills = fills(screen, reveal);
        const QImage image = screen.clientArea()->grab().toImage();
        for (const auto& [shape, colour] : reveal.shapes)
            painted.push_back(image.pixelColor(insideTop(screen.shape(shape))));
        box.dismiss();
    });
    testing_support::clickControl(screen, key.last());
    screen.button("BitBtn2").click();

    EXPECT_EQ(messages, QStringList{Praise});
    EXPECT_TRUE(visible);
    EXPECT_EQ(shownFills, revealed(reveal));
    ASSERT_EQ(painted.size(), reveal.shapes.size());
    for (std::size_t i = 0; i < painted.size(); ++i)
        EXPECT_EQ(painted[i], reveal.shapes[i].second.toQColor())
            << reveal.shapes[i].first.toStdString();
    EXPECT_EQ(screen.shape(reveal.rule).brushColor(), gui::clWhite);
    EXPECT_FALSE(screen.isVisible());
}

TEST_P(RevealTest, EveryOpeningStartsWhite)
{
    const Reveal& reveal = GetParam();
    answerRight(open(reveal.screen));
    EXPECT_EQ(fills(open(reveal.screen), reveal),
              std::vector<gui::Color>(reveal.shapes.size(), gui::clWhite));
}

INSTANTIATE_TEST_SUITE_P(Practice, RevealTest, ::testing::ValuesIn(reveals),
                         [](const auto& info) { return std::string(info.param.screen); });

// The strings hang under their balloons: where a string's box reaches into a balloon, the
// balloon's colour covers it.
TEST_F(PracticeTest, TheBalloonsCoverTheUpperEndsOfTheirStrings)
{
    int covered = 0;
    for (const char* screenName : {"TForm25", "TForm48"}) {
        SCOPED_TRACE(screenName);
        gui::Form& screen = open(screenName);
        QImage painted;
        gui::MessageBox::setObserver([&](gui::MessageBox& box) {
            painted = screen.clientArea()->grab().toImage();
            box.dismiss();
        });
        answerRight(screen);
        ASSERT_FALSE(painted.isNull());

        for (gui::Control* control : screen.controls()) {
            const auto* string = qobject_cast<const gui::Image*>(control->asObject());
            if (!string)
                continue;
            for (int balloon = 2; balloon <= 6; ++balloon) {
                const gui::Shape& ellipse = screen.shape(QString("Shape%1").arg(balloon));
                const QRectF figure = QRectF(ellipse.bounds()).adjusted(3, 3, -4, -4);
                const QRect overlap = string->bounds() & figure.toAlignedRect();
                for (int y = overlap.top(); y <= overlap.bottom(); ++y)
                    for (int x = overlap.left(); x <= overlap.right(); ++x) {
                        const QPointF d((x - figure.center().x()) / (figure.width() / 2),
                                        (y - figure.center().y()) / (figure.height() / 2));
                        if (d.x() * d.x() + d.y() * d.y() > 1)
                            continue;
                        ++covered;
                        ASSERT_EQ(painted.pixelColor(x, y), ellipse.brushColor().toQColor())
                            << string->controlName().toStdString() << " at " << x << "," << y;
                    }
            }
        }
    }
    EXPECT_GT(covered, 0); // the string of 8.б's third balloon starts inside it
}

} // namespace
