#pragma once

#include "shared/Screen.h"

namespace shared {

// The splash screen of both programs: the course title and the credits over the whole display.
// It counts down five seconds in its status bar, then shows "Далее", which ends it.
class TLogo : public Screen {
    Q_OBJECT

public:
    static constexpr int CountdownStart = 5;

    explicit TLogo(const gui::FormId& id);

    void FormCreate() override;
    void Timer1Timer();
    void BitBtn1Click();

    int countdown() const { return countdown_; }
    static QString countdownText(int seconds);
    static QString readyText();

private:
    int countdown_ = 0;
};

} // namespace shared
