#include "extras/Decoy.hpp"

namespace umbrix::extras {

Decoy::Decoy(platform::ShellPort& shell) : shell_(shell) {}

void Decoy::launchDecoy(const DecoyOptions& options) {
    if (!options.useDecoy || options.decoyProgram.empty()) return;
    forget();
    platform::ShellExecution execution = shell_.execute(options.decoyProgram);
    decoyAppHandle_ = execution.code;
    decoyActive_ = true;
    if (execution.accepted() && execution.process) {
        process_ = std::move(execution.process);
        decoyWindow();  // a program that opens its window at once is known from now on
    }
}

std::optional<std::uint64_t> Decoy::decoyWindow() {
    if (!process_) return std::nullopt;
    if (window_) {
        if (process_->ownsWindow(*window_)) return window_;
        forget();  // its window is closed: the decoy is over
        return std::nullopt;
    }
    window_ = process_->mainWindow();
    if (!window_ && process_->hasExited()) forget();  // handed over elsewhere, or closed before it showed
    return window_;
}

void Decoy::forget() {
    process_.reset();
    window_.reset();
}

}  // namespace umbrix::extras
