#pragma once

#include "gui/Form.h"
#include "shared/Fitting.h"
#include "shared/Screens.h"

#include <QStringList>
#include <vector>

namespace shared {

// A click on a control that opens another screen: over this one, which stays open beneath, or
// instead of it (this one closes first). Until the other screen is built, a link over does
// nothing and a link instead only closes this one.
struct Link {
    enum Opening { Over, Instead };

    QString control;
    QString screen;
    Opening opening = Over;
};

// What every screen declares: its class and layout, where it goes on the display, the button
// that closes it (none: empty) and the clicks that open other screens.
struct ScreenDeclaration {
    gui::FormId id;
    Placement placement = Placement::FullScreen;
    QString closeButton;
    std::vector<Link> links;
};

// A screen that fits itself to the display when it is made, closes on its close button and
// follows its links.
class Screen : public gui::Form {
public:
    explicit Screen(const ScreenDeclaration& declaration);

    void FormCreate() override;

    // The screens the declaration's links open.
    static QStringList linkedScreens(const ScreenDeclaration& declaration);

protected:
    Placement placement() const { return placement_; }

private:
    Placement placement_;
};

// Registers a screen that is its declaration and nothing more.
void registerScreen(const ScreenDeclaration& declaration);

// Registers a screen class that declares itself in a static declaration() and adds behaviour of
// its own.
template <class S> void registerDeclaredScreen()
{
    const ScreenDeclaration declaration = S::declaration();
    registerScreen(
        declaration.id.className, [] { return std::make_unique<S>(); },
        Screen::linkedScreens(declaration));
}

// Registers a screen class whose constructor takes its form id.
template <class S> void registerScreenClass(const gui::FormId& id, QStringList opens = {})
{
    registerScreen(
        id.className, [id] { return std::make_unique<S>(id); }, std::move(opens));
}

} // namespace shared
