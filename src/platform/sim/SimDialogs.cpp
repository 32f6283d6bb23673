#include "platform/sim/SimDialogs.hpp"

namespace umbrix::sim {

using platform::DialogButton;
using platform::MessageBoxButtons;

namespace {
DialogButton firstButton(MessageBoxButtons buttons) {
    switch (buttons) {
        case MessageBoxButtons::YesNo:
        case MessageBoxButtons::YesNoCancel: return DialogButton::Yes;
        case MessageBoxButtons::RetryCancel: return DialogButton::Retry;
        case MessageBoxButtons::Ok:
        case MessageBoxButtons::OkCancel: break;
    }
    return DialogButton::Ok;
}
}  // namespace

DialogButton SimDialogs::messageBox(const platform::MessageBoxRequest& request) {
    journal_.add("MessageBoxW " + request.caption);
    shown.push_back(request);
    if (answers.empty()) return firstButton(request.buttons);
    DialogButton answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace umbrix::sim
