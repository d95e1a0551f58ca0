#pragma once

namespace russian {

// Registers the test chooser TForm29, the questions of both variants (TForm30 to TForm48 and
// TForm50 to TForm68) and their result screens TForm49 and TForm69.
void registerTestScreens();

} // namespace russian
