#include "sim/SimDialogs.hpp"

#include <algorithm>

namespace umbrix::sim {

using platform::MessageBoxButtons;
using platform::MessageBoxResult;
using platform::ModalResult;
using platform::ModalWindow;

MessageBoxResult SimDialogs::messageBox(const platform::MessageBoxRequest& request) {
    if (request.owner && std::find(openModals.begin(), openModals.end(), request.owner) == openModals.end())
        throw SimScriptError("message box \"" + request.text + "\" owned by a window that is not open");
    if (journal_) journal_->add("MessageBoxW " + request.caption);
    // Logged before the user acts, so boxes that open meanwhile come after it.
    const std::size_t index = messageBoxes.size();
    messageBoxes.push_back({request, request.owner ? request.owner->caption() : std::string(), MessageBoxResult::Ok});
    MessageBoxResult answer = MessageBoxResult::Ok;
    if (!answers_.empty()) {
        Answer next = std::move(answers_.front());
        answers_.pop_front();
        if (next.meanwhile) next.meanwhile();
        answer = next.answer;
    } else if (request.buttons != MessageBoxButtons::Ok) {
        throw SimScriptError("nobody answers the message box \"" + request.text + "\"");
    }
    messageBoxes[index].answer = answer;
    return answer;
}

ModalResult SimDialogs::showModal(ModalWindow& window) {
    if (window.isShowing()) {
        ++refusedModals;
        return ModalResult::None;
    }
    modalsShown.push_back(window.caption());
    openModals.push_back(&window);
    struct Loop {
        SimDialogs& dialogs;
        ModalWindow& window;
        ~Loop() {
            window.endModal();
            std::erase(dialogs.openModals, &window);
        }
    } loop{*this, window};
    window.beginModal([] {});
    while (!window.isClosed()) {
        if (steps_.empty()) throw SimScriptError("the user has nothing more to do in \"" + window.caption() + "\"");
        Step step = std::move(steps_.front());
        steps_.pop_front();
        step(window);
    }
    return window.modalResult();
}

std::optional<std::string> SimDialogs::chooseFileToOpen(const platform::FileOpenRequest& request) {
    if (journal_) journal_->add("GetOpenFileNameW " + request.title);
    fileDialogs.push_back(request);
    if (fileChoices_.empty()) throw SimScriptError("nobody picks a file in \"" + request.title + "\"");
    std::optional<std::string> choice = std::move(fileChoices_.front());
    fileChoices_.pop_front();
    return choice;
}

}  // namespace umbrix::sim
