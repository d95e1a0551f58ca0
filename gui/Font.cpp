#include "gui/Font.h"

#include <algorithm>

namespace gui {
namespace {

QFont fontOf(const Font& font, int pixels)
{
    QFont qfont(font.name);
    qfont.setPixelSize(std::max(1, pixels));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    // Unhinted outlines and advances scale exactly.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}

} // namespace

int pixelHeight(int points)
{
    const int scaled = points * 96;
    return scaled >= 0 ? (scaled + 36) / 72 : -((-scaled + 36) / 72);
}

QFont Font::toQFont() const
{
    return fontOf(*this, pixelHeight(size));
}

QFont Font::drawingFont() const
{
    return fontOf(*this, designPixels_ ? designPixels_ : pixelHeight(size));
}

void Font::setSize(int points)
{
    size = points;
    designPixels_ = 0;
    scale_ = 1;
}

void Font::fit(int fittedPoints, qreal scale)
{
    if (!designPixels_)
        designPixels_ = pixelHeight(size);
    size = fittedPoints;
    scale_ = scale;
}

void registerFontSubstitutes()
{
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"});
}

} // namespace gui
