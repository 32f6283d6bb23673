#pragma once
// The program's controller: a window that is never shown, whose end is the program's end. It
// installs the application-wide error hook when it is created, and runs the closing steps when
// it is closed or when the Windows session ends.
#include <functional>

#include "app/ErrorHook.hpp"
#include "platform/ApplicationPort.hpp"

namespace umbrix::app {

class TForm2 final : public platform::ControllerEvents {
public:
    // `terminateApplication` ends the application once the closing steps have run.
    TForm2(ErrorHook& errors, std::function<void()> terminateApplication);

    // Creation: the error hook first, so that a failure in any later step is dropped there and
    // start-up goes on. The default hotkeys, the options record, the settings binding
    // (CreateINIFile) and the working-set trim join here, in that order.
    void FormCreate();
    // The closing steps, each on its own under the error hook, so that one failing step keeps
    // neither the others nor the end of the program from happening: the full settings save
    // (WriteAppSelections), the release of the default hotkeys and the end of the lock-down.
    void FormClose();
    // After the closing steps: the hotkey atoms and the settings binding are freed here.
    void FormDestroy();

    // Messages of the controller window.
    void onClose() override;
    bool onQueryEndSession() override;
    void onEndSession(bool sessionEnds) override;

    bool closing() const { return state_ != State::Open; }

private:
    enum class State { Open, Closing, Closed };
    void closeProgram();

    ErrorHook& errors_;
    std::function<void()> terminateApplication_;
    State state_ = State::Open;
};

}  // namespace umbrix::app
