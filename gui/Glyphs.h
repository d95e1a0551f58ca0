#pragma once

#include "gui/BitBtn.h"

#include <QIcon>

namespace gui {

// The picture a button kind shows left of its caption.
QIcon buttonGlyph(ButtonKind kind);

} // namespace gui
