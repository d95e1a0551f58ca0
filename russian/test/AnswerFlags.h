#pragma once

#include <array>

namespace russian {

// Whether each of the eighteen test questions (question q at index q - 1) was last answered
// right. Both variants write the same flags; all are false at start and nothing resets them.
inline std::array<bool, 18> AnswerFlags{};

} // namespace russian
