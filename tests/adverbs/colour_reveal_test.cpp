#include "tests/adverbs/practice_support.h"

#include "gui/Image.h"
#include "gui/Shape.h"

#include <QImage>
#include <cmath>

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

// The ellipse a shape's outline runs along, in the screen's continuous coordinates.
QRectF outlineOf(const gui::Shape& balloon)
{
    const QRect bounds = balloon.bounds();
    return QRectF(bounds.left(), bounds.top(), bounds.width() - 1, bounds.height() - 1);
}

// How far a pixel's centre lies from an ellipse's outline: the nearest of its points.
double distanceToOutline(const QRectF& ellipse, QPoint pixel)
{
    const QPointF centre(pixel.x() + 0.5, pixel.y() + 0.5);
    double nearest = 1e9;
    for (int step = 0; step < 2880; ++step) {
        const double angle = step * 2 * M_PI / 2880;
        const QPointF point(ellipse.center().x() + ellipse.width() / 2 * std::cos(angle),
                            ellipse.center().y() + ellipse.height() / 2 * std::sin(angle));
        nearest = std::min(nearest, std::hypot(point.x() - centre.x(), point.y() - centre.y()));
    }
    return nearest;
}

// The upper end of a string as a pupil sees it: the topmost pixels dark both in its picture and
// on the painted screen (a balloon covers what reaches into it).
std::vector<QPoint> topEndOf(const gui::Image& string, const QImage& painted)
{
    const QRect drawn = string.pictureRect();
    const QRect shown = drawn & string.bounds() & painted.rect();
    for (int y = shown.top(); y <= shown.bottom(); ++y) {
        std::vector<QPoint> row;
        for (int x = shown.left(); x <= shown.right(); ++x)
            if (qGray(string.drawnPicture().pixel(x - drawn.left(), y - drawn.top())) < 128 &&
                qGray(painted.pixel(x, y)) < 128)
                row.emplace_back(x, y);
        if (!row.empty())
            return row;
    }
    return {};
}

// The balloon a string hangs from: the nearest ellipse above its upper end.
const gui::Shape* balloonAbove(const gui::Form& screen, QPoint end)
{
    const gui::Shape* nearest = nullptr;
    for (gui::Control* control : screen.controls()) {
        const auto* shape = qobject_cast<const gui::Shape*>(control->asObject());
        if (!shape || shape->shape() != gui::ShapeType::Ellipse)
            continue;
        const QRect bounds = shape->bounds();
        if (end.x() < bounds.left() || end.x() > bounds.right() || bounds.top() > end.y())
            continue;
        if (!nearest || bounds.bottom() > nearest->bounds().bottom())
            nearest = shape;
    }
    return nearest;
}

class BalloonsAtSize : public PracticeTest, public ::testing::WithParamInterface<QSize> {};

// Every string starts on its balloon's outline, neither short of it nor inside it.
TEST_P(BalloonsAtSize, EveryStringHangsFromItsBalloonsOutline)
{
    useDisplay(GetParam().width(), GetParam().height());
    for (const char* screenName : {"TForm25", "TForm48"}) {
        gui::Form& screen = open(screenName);
        const QImage painted = screen.clientArea()->grab().toImage();
        for (gui::Control* control : screen.controls()) {
            const auto* string = qobject_cast<const gui::Image*>(control->asObject());
            if (!string)
                continue;
            SCOPED_TRACE(QString("%1 %2").arg(screenName, string->controlName()).toStdString());
            const std::vector<QPoint> end = topEndOf(*string, painted);
            ASSERT_FALSE(end.empty());
            const gui::Shape* balloon = balloonAbove(screen, end.front());
            ASSERT_NE(balloon, nullptr);
            double gap = 1e9;
            for (QPoint pixel : end)
                gap = std::min(gap, distanceToOutline(outlineOf(*balloon), pixel));
            EXPECT_LE(gap, 2) << "under " << balloon->controlName().toStdString() << " at "
                              << end.front().x() << "," << end.front().y();
        }
        screen.Close();
    }
}

INSTANTIATE_TEST_SUITE_P(Practice, BalloonsAtSize, ::testing::ValuesIn(displaySizes), sizeName);

} // namespace
