#include "gui/Font.h"

#include <cstdlib>

namespace gui {

int pixelHeight(int points)
{
    const int scaled = points * 96;
    return scaled >= 0 ? (scaled + 36) / 72 : -((-scaled + 36) / 72);
}

QFont Font::toQFont() const
{
    QFont font(name);
    font.setPixelSize(std::max(1, pixelHeight(size)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void registerFontSubstitutes()
{
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"});
}

} // namespace gui
