#include "app/TForm2.hpp"

#include <utility>

namespace umbrix::app {

TForm2::TForm2(ErrorHook& errors, std::function<void()> terminateApplication)
    : errors_(errors), terminateApplication_(std::move(terminateApplication)) {}

void TForm2::FormCreate() {
    errors_.install();
    // Not yet joined, in this order: RegisterHotKeys (hotkeys), the options record (config),
    // CreateINIFile (settings), TrimWorkingSet (config).
}

void TForm2::FormClose() {
    // Not yet joined: WriteAppSelections (settings), the default hotkeys' release (hotkeys), the
    // end of the lock-down (extras). Each will run under errors_.run on its own.
}

void TForm2::FormDestroy() {
    // Not yet joined: the hotkey atoms (hotkeys) and the settings binding (settings).
}

void TForm2::onClose() {
    errors_.run([this] { closeProgram(); });
}

// The program never holds up the end of the session; it saves when the end is certain.
bool TForm2::onQueryEndSession() { return true; }

void TForm2::onEndSession(bool sessionEnds) {
    // Windows may end the process as soon as this message returns, so everything the program
    // does at its end happens before then.
    if (sessionEnds) errors_.run([this] { closeProgram(); });
}

void TForm2::closeProgram() {
    // A second WM_CLOSE, or the session ending while the program closes, finds the work done.
    if (state_ != State::Open) return;
    state_ = State::Closing;
    // Whatever fails while closing, the program still ends.
    errors_.run([this] { FormClose(); });
    state_ = State::Closed;
    terminateApplication_();
}

}  // namespace umbrix::app
