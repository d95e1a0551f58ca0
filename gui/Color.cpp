#include "gui/Color.h"

#include <map>

namespace gui {

QColor Color::toQColor() const
{
    if (isSystem()) {
        // The standard colour scheme.
        switch (value) {
        case clBtnFace.value:
            return QColor(240, 240, 240);
        case clBtnHighlight.value:
            return QColor(255, 255, 255);
        default:
            return QColor(0, 0, 0);
        }
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

std::optional<Color> parseColor(const QString& text)
{
    static const std::map<QString, Color> named = {
        {"clBlack", clBlack},
        {"clWhite", clWhite},
        {"clRed", clRed},
        {"clGreen", clGreen},
        {"clNavy", clNavy},
        {"clBlue", clBlue},
        {"clYellow", clYellow},
        {"clAqua", clAqua},
        {"clWindowText", clWindowText},
        {"clBtnFace", clBtnFace},
        {"clBtnHighlight", clBtnHighlight},
    };
    if (auto it = named.find(text); it != named.end())
        return it->second;
    if (text.size() == 7 && text.startsWith('$')) {
        bool ok = false;
        const uint bgr = text.mid(1).toUInt(&ok, 16);
        if (ok)
            return Color{bgr};
    }
    return std::nullopt;
}

} // namespace gui
