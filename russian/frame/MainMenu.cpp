#include "russian/frame/MainMenu.h"

#include "gui/Application.h"

namespace russian {

shared::ScreenDeclaration TMainForm::declaration()
{
    // "Выход" closes the program by itself.
    return {{"TMainForm", "russian/frame/main"},
            shared::TopHalfPlacement,
            {},
            {
                {"Label4", "TForm1"},  // "I. Повторите теорию"
                {"Label5", "TForm11"}, // "II. Закрепите изученное"
                {"Label6", "TForm29"}, // "III. Выполните тест"
            }};
}

TMainForm::TMainForm()
    : Screen(declaration())
{
}

void TMainForm::FormCreate()
{
    // The splash is the application's but never its main screen; it is gone before the menu fits.
    gui::Form* logo = shared::createScreen("TLogo");
    logo->ShowModal();
    gui::Application::instance().destroy(logo);
    Screen::FormCreate();
}

} // namespace russian
