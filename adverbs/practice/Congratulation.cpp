#include "adverbs/practice/Congratulation.h"

#include "adverbs/practice/PracticeProgress.h"

namespace adverbs {

shared::ScreenDeclaration TForm27::declaration()
{
    return {{"TForm27", "adverbs/practice/unit27"},
            shared::FullScreenPlacement,
            "BitBtn1",                                        // "Закрыть"
            {{"BitBtn2", "TForm28", shared::Link::Instead}}}; // "Выполнить тест"
}

TForm27::TForm27()
    : Screen(declaration())
{
}

void TForm27::FormCreate()
{
    Screen::FormCreate();
    practiceProgress().CongratsShown = true;
}

} // namespace adverbs
