#pragma once

#include <QStringList>

namespace tools {

// Registers the screens of "adverbs" or "russian" and returns their class names.
QStringList registerProgram(const QString& program);

// Sets the program's test answers as if the first `count` questions were answered right and the
// others wrong, so that a result screen can be looked at for any score.
void setRightAnswers(const QString& program, int count);

} // namespace tools
