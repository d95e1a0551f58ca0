#include "gui/chart/PieChart.h"
#include "gui/chart/PieLayout.h"

#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>
#include <vector>

namespace {

using gui::PieSeries;

const QColor green{0, 128, 0};
const QColor red{255, 0, 0};
const QColor markYellow{255, 255, 128};
const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale russian(QLocale::Russian, QLocale::Russia);

QString legendOf(double value, const QLocale& locale)
{
    return gui::legendText({value, "% Правильно", green}, locale);
}

TEST(ChartLegend, WritesValuesWithGroupingAndUpToThreeDecimals)
{
    EXPECT_EQ(legendOf(10 / 15.0 * 100, english), "66.667 % Правильно");
    EXPECT_EQ(legendOf(5 / 15.0 * 100, english), "33.333 % Правильно");
    EXPECT_EQ(legendOf(100, english), "100 % Правильно");
    EXPECT_EQ(legendOf(0, english), "0 % Правильно");
    EXPECT_EQ(legendOf(12.5, english), "12.5 % Правильно");
    EXPECT_EQ(legendOf(7.1004, english), "7.1 % Правильно");
    EXPECT_EQ(legendOf(-0.0001, english), "0 % Правильно");
    EXPECT_EQ(legendOf(1234567.25, english), "1,234,567.25 % Правильно");
}

TEST(ChartLegend, FollowsTheLocaleAndAlwaysGroups)
{
    EXPECT_EQ(legendOf(10 / 15.0 * 100, russian), "66,667 % Правильно");
    EXPECT_EQ(legendOf(1234.5, russian), "1" + russian.groupSeparator() + "234,5 % Правильно");

    QLocale withoutGrouping(english);
    withoutGrouping.setNumberOptions(QLocale::OmitGroupSeparator);
    EXPECT_EQ(legendOf(1234.5, withoutGrouping), "1,234.5 % Правильно");
}

TEST(ChartSeries, KeepsPointsInTheOrderAddedUntilCleared)
{
    PieSeries series;
    series.AddXY(0, 20, "% Правильно", green);
    series.AddXY(0, 80, "% Неправильно", red);
    ASSERT_EQ(series.points().size(), 2u);
    EXPECT_EQ(series.points()[0].label, "% Правильно");
    EXPECT_EQ(series.points()[0].color, green);
    EXPECT_EQ(series.points()[0].value, 20);
    EXPECT_EQ(series.points()[1].label, "% Неправильно");
    EXPECT_EQ(series.points()[1].color, red);

    series.Clear();
    EXPECT_TRUE(series.points().empty());
}

class ChartPainting : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (QGuiApplication::instance())
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "chart_test";
        static char* argv[] = {name, nullptr};
        static QGuiApplication application(argc, argv);
    }

    static PieSeries result(int right, int of)
    {
        PieSeries series;
        series.AddXY(0, double(right) / of * 100, "% Правильно", green);
        series.AddXY(0, double(of - right) / of * 100, "% Неправильно", red);
        return series;
    }

    // The chart drawn at (10, 10) on a grey image, and its layout.
    struct Rendering {
        QImage image;
        gui::PieLayout layout;
    };

    static Rendering render(const PieSeries& series, QSize size)
    {
        Rendering rendering{QImage(size + QSize(20, 20), QImage::Format_RGB32), {}};
        rendering.image.fill(Qt::gray);
        const QRect rect(QPoint(10, 10), size);
        QPainter painter(&rendering.image);
        gui::paintPieChart(painter, rect, series, english);
        rendering.layout = gui::layoutPieChart(
            rect, series, english, QFontMetricsF(gui::pieChartFont(), &rendering.image));
        return rendering;
    }

    // How many pixels of the image satisfy test(position, colour).
    template <typename Test> static int countPixels(const QImage& image, Test test)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += test(QPoint(x, y), image.pixelColor(x, y)) ? 1 : 0;
        return count;
    }

    // Whether p lies inside the ellipse and at least `inset` pixels from its rim.
    static bool insideEllipse(const QRectF& ellipse, QPoint p, double inset)
    {
        const double dx = (p.x() + 0.5 - ellipse.center().x()) / (ellipse.width() / 2 - inset);
        const double dy = (p.y() + 0.5 - ellipse.center().y()) / (ellipse.height() / 2 - inset);
        return dx * dx + dy * dy <= 1;
    }
};

TEST_F(ChartPainting, AnEmptySliceLeavesOnlyItsLegendSwatchAndAFullSliceFillsThePie)
{
    for (const int right : {0, 15}) {
        SCOPED_TRACE(right);
        const QColor full = right == 15 ? green : red;
        const QColor empty = right == 15 ? red : green;
        const Rendering drawn = render(result(right, 15), {545, 281});
        const gui::PieLayout& layout = drawn.layout;
        ASSERT_FALSE(layout.top.isEmpty());

        const auto count = [&](auto test) { return countPixels(drawn.image, test); };
        EXPECT_EQ(
            count([&](QPoint p, QColor c) { return c == empty && !layout.legend.contains(p); }), 0);
        EXPECT_GT(
            count([&](QPoint p, QColor c) { return c == empty && layout.legend.contains(p); }), 0);

        ASSERT_EQ(layout.marks.size(), 1u);
        const QRect mark = layout.marks.front().box;
        EXPECT_GT(count([&](QPoint p, QColor c) { return c == markYellow && mark.contains(p); }),
                  0);
        EXPECT_EQ(count([&](QPoint p, QColor c) { return c == markYellow && !mark.contains(p); }),
                  0);

        const auto inFace = [&](QPoint p) { return insideEllipse(layout.top, p, 2); };
        EXPECT_GT(count([&](QPoint p, QColor c) { return c == full && inFace(p); }), 1000);
        EXPECT_EQ(count([&](QPoint p, QColor c) { return c != full && inFace(p); }), 0);

        const QColor wall = drawn.image.pixelColor(
            QPointF(layout.top.center().x(), layout.top.bottom() + layout.wallHeight / 2)
                .toPoint());
        EXPECT_EQ(wall.hue(), full.hue());
        EXPECT_LT(wall.value(), full.value());
    }
}

TEST_F(ChartPainting, SlicesShareTheFaceInProportionToTheirValues)
{
    const Rendering drawn = render(result(10, 15), {698, 360});
    const auto inFace = [&](QPoint p) { return insideEllipse(drawn.layout.top, p, 0); };
    const double greens =
        countPixels(drawn.image, [&](QPoint p, QColor c) { return c == green && inFace(p); });
    const double reds =
        countPixels(drawn.image, [&](QPoint p, QColor c) { return c == red && inFace(p); });
    ASSERT_GT(reds, 0);
    EXPECT_NEAR(greens / reds, 2.0, 0.05);
}

TEST_F(ChartPainting, OnlyThePieGrowsWithTheChart)
{
    const QSize sizes[] = {{545, 281}, {698, 360}, {1308, 674}};
    for (const int right : {0, 1, 7, 14, 15}) {
        std::vector<QSize> firstBoxes;
        double faceWidth = 0;
        for (const QSize size : sizes) {
            SCOPED_TRACE(testing::Message()
                         << right << " right at " << size.width() << "x" << size.height());
            const gui::PieLayout layout = render(result(right, 15), size).layout;
            std::vector<QSize> boxes = {layout.legend.size()};
            for (const gui::PieMark& mark : layout.marks)
                boxes.push_back(mark.box.size());
            if (firstBoxes.empty())
                firstBoxes = boxes;
            EXPECT_EQ(boxes, firstBoxes);
            EXPECT_GT(layout.top.width(), faceWidth);
            faceWidth = layout.top.width();

            const QRect chart(QPoint(10, 10), size);
            EXPECT_TRUE(chart.contains(layout.legend));
            EXPECT_LT(layout.top.right(), layout.legend.left());
            for (const gui::PieMark& mark : layout.marks) {
                EXPECT_TRUE(chart.contains(mark.box));
                EXPECT_FALSE(mark.box.intersects(layout.legend));
                EXPECT_NEAR(QLineF(mark.arrowStart, mark.arrowEnd).length(), 8, 1e-9);
            }
        }
    }
}

} // namespace
