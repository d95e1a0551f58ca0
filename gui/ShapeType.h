#pragma once

namespace gui {

enum class ShapeType { Rectangle, Square, RoundRect, RoundSquare, Ellipse, Circle };

} // namespace gui
