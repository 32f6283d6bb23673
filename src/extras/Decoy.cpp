#include "extras/Decoy.hpp"

namespace umbrix::extras {

Decoy::Decoy(platform::ShellPort& shell) : shell_(shell) {}

void Decoy::LaunchDecoy(const DecoyOptions& options) {
    if (!options.UseDecoy || options.DecoyApp.empty()) return;
    if (process_ && launchedFrom_ == options.DecoyApp && DoDecoyApp()) return;
    forget();
    platform::ShellExecution execution = shell_.execute(options.DecoyApp);
    decoyAppHandle_ = execution.code;
    decoyActive_ = true;
    if (execution.accepted() && execution.process) {
        process_ = std::move(execution.process);
        launchedFrom_ = options.DecoyApp;
        DecoyWindow();  // a program that opens its window at once is known from now on
    }
}

bool Decoy::DoDecoyApp() {
    auto window = DecoyWindow();
    if (!window) {
        forget();
        decoyAppHandle_ = 0;
        return false;
    }
    process_->bringForward(*window);
    return true;
}

std::optional<std::uint64_t> Decoy::DecoyWindow() {
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

bool Decoy::IsDecoyWindow(std::uint64_t window) {
    auto decoy = DecoyWindow();
    return decoy && *decoy == window;
}

void Decoy::Clear() {
    forget();
    decoyAppHandle_ = 0;
    decoyActive_ = false;
}

void Decoy::forget() {
    process_.reset();
    window_.reset();
    launchedFrom_.clear();
}

}  // namespace umbrix::extras
