#include "app/TForm2.hpp"

#include <utility>

namespace umbrix::app {

TForm2::TForm2(ErrorHook& errors, std::function<void()> terminateApplication)
    : errors_(errors), terminateApplication_(std::move(terminateApplication)) {}

void TForm2::FormCreate() { errors_.install(); }

void TForm2::FormClose() {}

void TForm2::FormDestroy() {}

void TForm2::onClose() { closeProgram(); }

// The program never holds up the end of the session; it saves when the end is certain.
bool TForm2::onQueryEndSession() { return true; }

void TForm2::onEndSession(bool sessionEnds) {
    // Windows may end the process as soon as this message returns, so everything the program
    // does at its end happens before then.
    if (sessionEnds) closeProgram();
}

void TForm2::closeProgram() {
    // A second WM_CLOSE, or the session ending while the program closes, finds the work done.
    if (state_ != State::Open) return;
    state_ = State::Closing;
    FormClose();
    state_ = State::Closed;
    terminateApplication_();
}

}  // namespace umbrix::app
