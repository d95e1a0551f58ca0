#include "Messages.h"

#include "MessageBox.h"

namespace frame {

void PraiseMessage()
{
    gui::MessageBox::information(PraiseText);
}

void RetryMessage()
{
    gui::MessageBox::information(RetryText);
}

} // namespace frame
