#pragma once

#include <QRect>
#include <QString>

namespace gui {
class Form;
}

namespace shared {

// Where a screen goes on the display. Practice screens of the adverb course are as tall as the
// display and start at half its height; those of the participle course fill the lower half.
enum class Placement { TopHalf, AdverbsPractice, ParticiplePractice, FullScreen };

inline constexpr Placement TopHalfPlacement = Placement::TopHalf;
inline constexpr Placement FullScreenPlacement = Placement::FullScreen;

inline constexpr float DesignWidth = 800.0f;

// ScreenWidth / DesignWidth, divided in extended precision and kept as a double.
double scaleFactorFor(int screenWidth);
// Round(value x factor): the product in extended precision, halves to the even neighbour.
int scaleValue(int value, double scaleFactor);
// The window's bounds for a placement on a display of the given size.
QRect placementBounds(Placement placement, int screenWidth, int screenHeight);

// Fits a screen designed for an 800-pixel-wide display to the real one: places the window and
// scales every control's design values by the width ratio, but for the sizes its layout keeps.
void FitToScreen(gui::Form& form, Placement placement);

} // namespace shared
