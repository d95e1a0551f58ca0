#include "shared/Messages.h"

#include "gui/MessageBox.h"

namespace shared {

void PraiseMessage()
{
    gui::MessageBox::information(PraiseText);
}

void RetryMessage()
{
    gui::MessageBox::information(RetryText);
}

} // namespace shared
