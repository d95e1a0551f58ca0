#pragma once

#include "shared/Screen.h"

namespace russian {

// The test chooser: "Тест 1" and "Тест 2" start a variant over it; it stays open beneath the test.
// "Закрыть" closes it by itself.
inline shared::ScreenDeclaration testChooser()
{
    return {{"TForm29", "russian/test/unit29"},
            shared::FullScreenPlacement,
            {},
            {
                {"BitBtn1", "TForm30"}, // "Тест 1"
                {"BitBtn2", "TForm50"}, // "Тест 2"
            }};
}

} // namespace russian
