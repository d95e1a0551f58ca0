#pragma once

namespace russian {

// Registers the exercise screens of the practice chain that are built and the congratulation.
void registerPracticeScreens();

} // namespace russian
