#pragma once

namespace russian {

// Registers the contents page TForm1, the theory pages TForm2 to TForm10 and the side page TForm34.
void registerTheoryScreens();

} // namespace russian
