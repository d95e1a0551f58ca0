#include "gui/ScaledText.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Draws the line twice on a small image, shrunk by the painter to fit; returns both drawings.
std::pair<QImage, QImage> drawnTwice(const gui::ScaledText& line, qreal shrink)
{
    std::pair<QImage, QImage> drawings;
    for (QImage* image : {&drawings.first, &drawings.second}) {
        *image = QImage(600, 200, QImage::Format_RGB32);
        image->fill(Qt::white);
        QPainter painter(image);
        painter.scale(shrink, shrink);
        line.draw(painter, QPointF(0, 0), Qt::black);
    }
    return drawings;
}

int inkOf(const QImage& image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

// Large text is drawn once into an image and kept; a text whose image outgrows the whole cache
// (here some 80 MB) is drawn without keeping it, and drawn again the same way.
TEST(ScaledText, TextLargerThanTheImageCacheIsDrawnEveryTime)
{
    QFont font("Times New Roman");
    font.setPixelSize(100);
    const gui::ScaledText huge{"ЖЖЖЖЖ", font, 20};
    ASSERT_GT(huge.size().width() * huge.size().height() * 4, 64.0 * 1024 * 1024);
    const auto [first, second] = drawnTwice(huge, 600 / huge.size().width());
    EXPECT_GT(inkOf(first), 1000);
    EXPECT_EQ(first, second);

    // A text that fits is drawn from the cache the second time, unchanged.
    const gui::ScaledText large{"Наречие", font, 1.5};
    const auto [drawn, cached] = drawnTwice(large, 1);
    EXPECT_GT(inkOf(drawn), 1000);
    EXPECT_EQ(drawn, cached);
}

} // namespace
