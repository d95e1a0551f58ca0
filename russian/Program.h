#pragma once

namespace russian {

// Registers every screen class of the participle course.
void registerScreens();

// The start-up sequence: the main menu, which runs the splash while it is made, then the event
// loop until "Выход".
int run(int argc, char** argv);

} // namespace russian
