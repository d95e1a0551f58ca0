#include "shared/Splash.h"

#include "shared/Fitting.h"
#include "shared/RussianPlural.h"

namespace shared {

TLogo::TLogo(const gui::FormId& id)
    : Screen({id, FullScreenPlacement, {}, {}})
{
    get<gui::Timer>("Timer1").setOnTimer([this] { Timer1Timer(); });
    onClick("BitBtn1", [this] { BitBtn1Click(); });
}

QString TLogo::countdownText(int seconds)
{
    return "Подождите… " + QString::number(seconds) + " " +
           pluralForm(seconds, "секунду", "секунды", "секунд");
}

QString TLogo::readyText()
{
    return "Нажмите «Далее» для продолжения";
}

void TLogo::FormCreate()
{
    Screen::FormCreate();
    countdown_ = CountdownStart;
    get<gui::StatusBar>("StatusBar1").setPanelText(0, countdownText(countdown_));
}

void TLogo::Timer1Timer()
{
    countdown_ -= 1;
    auto& status = get<gui::StatusBar>("StatusBar1");
    status.setPanelText(0, countdownText(countdown_));
    if (countdown_ == 0) {
        status.setPanelText(0, readyText());
        button("BitBtn1").setShown(true);
        get<gui::Timer>("Timer1").setEnabled(false);
    }
}

void TLogo::BitBtn1Click()
{
    Close();
}

} // namespace shared
