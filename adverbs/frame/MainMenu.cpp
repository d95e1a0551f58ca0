#include "adverbs/frame/MainMenu.h"

namespace adverbs {

shared::ScreenDeclaration TMain::declaration()
{
    // "Выход" closes the program by itself.
    return {{"TMain", "adverbs/frame/mainunit"},
            shared::TopHalfPlacement,
            {},
            {
                {"Label2", "TForm1"},  // "I. Повторите теорию"
                {"Label3", "TForm16"}, // "II. Закрепите изученное"
                {"Label4", "TForm28"}, // "III. Выполните тест"
            }};
}

TMain::TMain()
    : Screen(declaration())
{
}

void TMain::FormShow()
{
    if (gui::Form* logo = shared::instanceOf("TLogo"))
        logo->ShowModal();
}

} // namespace adverbs
