#pragma once

#include <stdexcept>
#include <string>

namespace gui {

// A layout or picture that cannot be used; the message names the file and the control.
class LayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace gui
