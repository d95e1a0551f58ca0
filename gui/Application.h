#pragma once

#include "gui/Form.h"

#include <memory>
#include <vector>

class QApplication;

namespace gui {

// The application object: owns every form until the program ends. The first form that claims
// it becomes the main form; closing the main form ends the program.
class Application {
public:
    static Application& instance();

    // Sets up Qt (unless a QApplication exists already), the fonts and the style.
    void Initialize(int& argc, char** argv);

    // Takes ownership of a new form, puts it on the display and runs its creation handler.
    Form* adopt(std::unique_ptr<Form> form);
    // Makes the form the main form unless there is one already.
    void claimMainForm(Form* form);
    // Destroys a form before the end of the program.
    void destroy(Form* form);

    // Shows the main form and runs the event loop until the main form is closed; then destroys
    // every form. Returns the program's exit code.
    int Run();

    Form* mainForm() const { return mainForm_; }
    const std::vector<std::unique_ptr<Form>>& forms() const { return forms_; }
    bool terminated() const { return terminated_; }
    // Ends the program's event loop (the main form was closed).
    void terminate();

    // Destroys every form and forgets the main form (between tests).
    void reset();
    // Destroys every form, the display and the Qt application that Initialize made.
    void shutdown();

private:
    Application() = default;

    std::unique_ptr<QApplication> qtApp_;
    std::vector<std::unique_ptr<Form>> forms_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
    bool running_ = false;
};

} // namespace gui
