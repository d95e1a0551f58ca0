#include "shared/Screen.h"

#include "shared/Screens.h"

namespace shared {

Screen::Screen(const ScreenDeclaration& declaration)
    : Form(declaration.id)
    , placement_(declaration.placement)
{
    if (!declaration.closeButton.isEmpty())
        onClick(declaration.closeButton, [this] { Close(); });
    for (const Link& link : declaration.links) {
        if (link.opening == Link::Instead)
            onClick(link.control, [this, link] { OpenNext(*this, link.screen); });
        else
            onClick(link.control, [link] { OpenForm(link.screen); });
    }
}

void Screen::FormCreate()
{
    FitToScreen(*this, placement_);
}

QStringList Screen::linkedScreens(const ScreenDeclaration& declaration)
{
    QStringList screens;
    for (const Link& link : declaration.links)
        screens.append(link.screen);
    return screens;
}

void registerScreen(const ScreenDeclaration& declaration)
{
    registerScreen(
        declaration.id.className, [declaration] { return std::make_unique<Screen>(declaration); },
        Screen::linkedScreens(declaration));
}

} // namespace shared
