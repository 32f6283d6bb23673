#pragma once
// The application-wide error handler. Every reaction to a message enters the program through
// run(); once the controller's creation has installed the hook, an error that escapes a
// reaction ends that reaction where it failed and the program carries on, without a message.
// This is the one place where the program drops errors on purpose. Before installation an error
// goes on to the caller: start-up then reports that the program could not start.
// Errors are std::exceptions. Anything else thrown is not an error the program can carry on
// from (the sim's crash, for one, is the program's death) and goes on unhandled.
#include <exception>
#include <string>
#include <utility>

namespace umbrix::app {

class ErrorHook {
public:
    void install() { installed_ = true; }
    bool installed() const { return installed_; }

    template <class Reaction>
    void run(Reaction&& reaction) {
        if (!installed_) {
            std::forward<Reaction>(reaction)();
            return;
        }
        try {
            std::forward<Reaction>(reaction)();
        } catch (const std::exception& error) {
            discard(error.what());
        }
    }

    // An error caught elsewhere on its way out of a reaction (a dialog's, a hotkey's): dropped
    // like one that escapes run(), or passed on before installation and for non-errors.
    void handle(std::exception_ptr error) {
        run([&] { std::rethrow_exception(error); });
    }

    // What was dropped, for tests and a debugger; never shown or written anywhere.
    int discardedCount() const { return discardedCount_; }
    const std::string& lastDiscarded() const { return lastDiscarded_; }

private:
    void discard(std::string what) {
        ++discardedCount_;
        lastDiscarded_ = std::move(what);
    }

    bool installed_ = false;
    int discardedCount_ = 0;
    std::string lastDiscarded_;
};

}  // namespace umbrix::app
