#pragma once

#include "gui/ButtonKind.h"

#include <QIcon>

namespace gui {

// The picture a button kind shows left of its caption.
QIcon buttonGlyph(ButtonKind kind);

} // namespace gui
