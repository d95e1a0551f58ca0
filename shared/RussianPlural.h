#pragma once

#include <QString>

namespace shared {

// The form of a Russian noun that agrees with a count: one for 1, 21, 31…; few for 2–4, 22–24…;
// many for 0, 5–20, 25–30… ("1 задание", "3 задания", "15 заданий").
QString pluralForm(int count, const QString& one, const QString& few, const QString& many);

} // namespace shared
