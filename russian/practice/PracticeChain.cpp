#include "russian/practice/PracticeChain.h"

#include "gui/Form.h"
#include "shared/Messages.h"
#include "shared/Screens.h"

#include <algorithm>
#include <stdexcept>

namespace russian {

const std::vector<ChainStep>& practiceChain()
{
    static const std::vector<ChainStep> chain = {
        {"TForm11", "TForm12"},            // "Практика1"
        {"TForm12", "TForm13"},            // "Практика2"
        {"TForm13", "TForm14"},            // "Практика3"
        {"TForm14", "TForm24"},            // "Практика4"
        {"TForm24", "TForm15"},            // "Практика5"
        {"TForm15", "TForm16"},            // "Практика6"
        {"TForm16", "TForm17"},            // "Практика7"
        {"TForm17", "TForm18"},            // "Практика8"
        {"TForm18", "TForm19"},            // "Практика9"
        {"TForm19", "TForm20"},            // "Практика10"
        {"TForm20", "TForm21"},            // "Практика11"
        {"TForm21", "TForm25"},            // "Практика12"
        {"TForm25", "TForm26"},            // "Практика13"
        {"TForm26", "TForm27"},            // "Практика14а"
        {"TForm27", "TForm22"},            // "Практика14б"
        {"TForm22", "TForm23"},            // "Практика15"
        {"TForm23", CongratulationScreen}, // "Практика16"
    };
    return chain;
}

const QString& nextInChain(const QString& screen)
{
    const std::vector<ChainStep>& chain = practiceChain();
    auto it = std::find_if(chain.begin(), chain.end(),
                           [&](const ChainStep& step) { return step.screen == screen; });
    if (it == chain.end())
        throw std::logic_error(("no practice screen " + screen).toStdString());
    return it->next;
}

void goOn(gui::Form& screen)
{
    shared::PraiseMessage();
    screen.Close();
    shared::OpenForm(nextInChain(screen.className()));
}

} // namespace russian
