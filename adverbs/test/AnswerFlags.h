#pragma once

#include <array>

namespace adverbs {

// Whether each of the fifteen test questions (question q at index q - 1) was last answered
// right. All are false at start; each question overwrites its own, and nothing resets them.
inline std::array<bool, 15> AnswerFlags{};

} // namespace adverbs
