#pragma once

namespace gui {

// ok: the form's default button (Enter); cancel: its cancel button (Esc); ignore: neither;
// close: closes its form by itself and never runs a click handler.
enum class ButtonKind { OK, Cancel, Ignore, Close };

} // namespace gui
