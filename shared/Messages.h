#pragma once

#include <QString>

namespace shared {

inline const QString PraiseText = "Молодец!!!";
inline const QString RetryText = "Ответ неправильный!!! Попробуй ещё раз.";

// The information box on a right answer.
void PraiseMessage();
// The information box on a wrong answer; nothing else changes.
void RetryMessage();

} // namespace shared
