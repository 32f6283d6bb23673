#pragma once
// Message boxes and modal windows of the simulated program, with a scriptable user. The user
// works through a script: steps done in whichever modal window is on top (through the same
// model reactions a view calls, or by pressing a hotkey meanwhile), and answers to message
// boxes. A box with only an OK button is acknowledged when no answer is scripted; anything
// else left unscripted stops the test with SimScriptError rather than guess.
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "platform/DialogPort.hpp"
#include "sim/SimJournal.hpp"

namespace umbrix::sim {

class SimScriptError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class SimDialogs final : public platform::DialogPort {
public:
    SimDialogs() = default;
    // Message boxes are also written to the process's call journal.
    explicit SimDialogs(SimJournal& journal) : journal_(&journal) {}

    platform::MessageBoxResult messageBox(const platform::MessageBoxRequest& request) override;
    platform::ModalResult showModal(platform::ModalWindow& window) override;
    std::optional<std::string> chooseFileToOpen(const platform::FileOpenRequest& request) override;

    // --- the user's script ---
    using Step = std::function<void(platform::ModalWindow&)>;
    // One thing the user does in the modal window that is on top when the step comes up.
    void userStep(Step step) { steps_.push_back(std::move(step)); }
    // The same for a window of a known type; the step fails the test if another window is on top.
    template <class Window>
    void userStep(std::function<void(Window&)> step) {
        userStep([step = std::move(step)](platform::ModalWindow& window) {
            auto* typed = dynamic_cast<Window*>(&window);
            if (!typed)
                throw SimScriptError("the user expected a " + std::string(typeid(Window).name()) + " on top, but \"" +
                                     window.caption() + "\" is");
            step(*typed);
        });
    }
    // The answer to the next message box; `meanwhile` runs while the box is open, before the answer.
    void userAnswers(platform::MessageBoxResult answer, std::function<void()> meanwhile = {}) {
        answers_.push_back({answer, std::move(meanwhile)});
    }
    // The user's choice in the next file dialog: a file's full name, or nullopt to cancel.
    void userChoosesFile(std::optional<std::string> file) { fileChoices_.push_back(std::move(file)); }
    bool scriptDone() const { return steps_.empty() && answers_.empty() && fileChoices_.empty(); }

    // --- what the user saw ---
    struct ShownMessageBox {
        platform::MessageBoxRequest request;
        std::string ownerCaption;  // caption of the owner window; empty without an owner
        platform::MessageBoxResult answer;
    };
    std::vector<ShownMessageBox> messageBoxes;
    std::vector<platform::FileOpenRequest> fileDialogs;  // in the order they were shown
    std::vector<std::string> modalsShown;  // captions, in the order they were shown
    std::vector<const platform::ModalWindow*> openModals;  // innermost last
    int refusedModals = 0;  // showModal of a window that was showing already

private:
    struct Answer {
        platform::MessageBoxResult answer;
        std::function<void()> meanwhile;
    };
    SimJournal* journal_ = nullptr;
    std::deque<Step> steps_;
    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> fileChoices_;
};

}  // namespace umbrix::sim
