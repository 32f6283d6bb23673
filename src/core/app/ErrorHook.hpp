#pragma once
// The application-wide error handler. Every reaction to a message enters the program through
// run(), named by the operation it is; once the controller's creation has installed the hook,
// an error that escapes a reaction ends that reaction where it failed and the program carries
// on, without a message to the user, and its line goes to the log of dropped errors.
// This is the one place where the program drops errors on purpose. Before installation an error
// goes on to the caller: start-up then reports that the program could not start.
// Errors are std::exceptions. Anything else thrown is not an error the program can carry on
// from (the sim's crash, for one, is the program's death) and goes on unhandled.
#include <exception>
#include <string>
#include <string_view>
#include <utility>

#include "app/DroppedErrorLog.hpp"

namespace umbrix::app {

class ErrorHook {
public:
    ErrorHook() = default;
    explicit ErrorHook(DroppedErrorLog& log) : log_(&log) {}
    ErrorHook(const ErrorHook&) = delete;
    ErrorHook& operator=(const ErrorHook&) = delete;

    void install() { installed_ = true; }
    bool installed() const { return installed_; }

    // `place` names the operation for the log ("save the settings at close").
    template <class Reaction>
    void run(std::string_view place, Reaction&& reaction) {
        if (!installed_) {
            std::forward<Reaction>(reaction)();
            return;
        }
        try {
            std::forward<Reaction>(reaction)();
        } catch (const std::exception& error) {
            discard(place, error);
        }
    }

    // An error caught elsewhere on its way out of a reaction (a dialog's, a hotkey's): dropped
    // like one that escapes run(), or passed on before installation and for non-errors.
    void handle(std::string_view place, std::exception_ptr error) {
        run(place, [&] { std::rethrow_exception(error); });
    }

    // What was dropped, for tests and a debugger; the log has the lines.
    int discardedCount() const { return discardedCount_; }
    const std::string& lastDiscarded() const { return lastDiscarded_; }

private:
    void discard(std::string_view place, const std::exception& error) {
        ++discardedCount_;
        lastDiscarded_ = error.what();
        if (log_) log_->record(place, error);
    }

    DroppedErrorLog* log_ = nullptr;
    bool installed_ = false;
    int discardedCount_ = 0;
    std::string lastDiscarded_;
};

}  // namespace umbrix::app
