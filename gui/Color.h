#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

namespace gui {

// A colour as the layouts and the answer checks know it: a 32-bit value with red in the low
// byte, or one of the system colours. Two colours are the same only when their values are, so
// clWindowText is not clBlack even though both paint black.
struct Color {
    std::uint32_t value = 0;

    QColor toQColor() const;
    bool isSystem() const { return (value & 0xFF000000u) == 0x80000000u; }
    friend bool operator==(Color, Color) = default;
};

inline constexpr Color clBlack{0x000000};
inline constexpr Color clWhite{0xFFFFFF};
inline constexpr Color clRed{0x0000FF};
inline constexpr Color clGreen{0x008000};
inline constexpr Color clNavy{0x800000};
inline constexpr Color clBlue{0xFF0000};
inline constexpr Color clYellow{0x00FFFF};
inline constexpr Color clAqua{0xFFFF00};
inline constexpr Color clWindowText{0x80000008};
inline constexpr Color clBtnFace{0x8000000F};
inline constexpr Color clBtnHighlight{0x80000014};

// A colour name such as "clBlue", or "$BBGGRR".
std::optional<Color> parseColor(const QString& text);

} // namespace gui
