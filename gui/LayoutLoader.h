#pragma once

namespace gui {

class Form;

// Reads a form's layout file and builds its controls (see docs/layout-format.md).
class LayoutLoader {
public:
    static void load(Form& form);
};

} // namespace gui
