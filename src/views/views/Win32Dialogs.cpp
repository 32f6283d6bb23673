#include "views/Win32Dialogs.hpp"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "views/ModalDialogView.hpp"
#include "win32/Utf16.hpp"

namespace umbrix::win32 {

using platform::MessageBoxButtons;
using platform::MessageBoxIcon;
using platform::MessageBoxResult;
using platform::ModalResult;
using platform::ModalWindow;

namespace {

UINT styleOf(const platform::MessageBoxRequest& request) {
    UINT style = MB_SETFOREGROUND;
    switch (request.buttons) {
        case MessageBoxButtons::Ok: style |= MB_OK; break;
        case MessageBoxButtons::OkCancel: style |= MB_OKCANCEL; break;
        case MessageBoxButtons::YesNo: style |= MB_YESNO; break;
        case MessageBoxButtons::YesNoCancel: style |= MB_YESNOCANCEL; break;
    }
    switch (request.icon) {
        case MessageBoxIcon::None: break;
        case MessageBoxIcon::Error: style |= MB_ICONERROR; break;
        case MessageBoxIcon::Warning: style |= MB_ICONWARNING; break;
        case MessageBoxIcon::Information: style |= MB_ICONINFORMATION; break;
        case MessageBoxIcon::Question: style |= MB_ICONQUESTION; break;
    }
    if (request.taskModal) style |= MB_TASKMODAL;
    return style;
}

// While a modal window is up, the program's other windows take no input (DialogBoxParamW
// disables only the owner); returns the ones to enable again.
std::vector<HWND> disableOtherWindows(HWND owner) {
    struct Search {
        HWND owner;
        std::vector<HWND> disabled;
    } search{owner, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM state) -> BOOL {
            auto* s = reinterpret_cast<Search*>(state);
            if (hwnd != s->owner && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
                EnableWindow(hwnd, FALSE);
                s->disabled.push_back(hwnd);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.disabled;
}

}  // namespace

std::unique_ptr<ModalDialogView> Win32Dialogs::viewFor(ModalWindow& window) const {
    const auto view = views_.find(std::type_index(typeid(window)));
    if (view == views_.end()) throw std::logic_error("no view is registered for this modal window");
    return view->second(window, onError_);
}

HWND Win32Dialogs::handleOf(const ModalWindow& window) const {
    for (const auto& open : open_) {
        if (open.window == &window) return open.view->handle();
    }
    return nullptr;
}

MessageBoxResult Win32Dialogs::messageBox(const platform::MessageBoxRequest& request) {
    HWND owner = request.owner ? handleOf(*request.owner) : nullptr;
    int answer = MessageBoxW(owner, widen(request.text).c_str(), widen(request.caption).c_str(), styleOf(request));
    switch (answer) {
        case IDYES: return MessageBoxResult::Yes;
        case IDNO: return MessageBoxResult::No;
        case IDCANCEL: return MessageBoxResult::Cancel;
        case IDOK: return MessageBoxResult::Ok;
        default:
            // 0: the box could not be shown; nothing was chosen.
            return request.buttons == MessageBoxButtons::Ok ? MessageBoxResult::Ok : MessageBoxResult::Cancel;
    }
}

ModalResult Win32Dialogs::showModal(ModalWindow& window) {
    if (window.isShowing()) return ModalResult::None;
    std::unique_ptr<ModalDialogView> view = viewFor(window);
    HWND owner = !open_.empty()                              ? open_.back().view->handle()
                 : window.ownedByController() && controller_ ? controller_()
                                                             : nullptr;
    std::vector<HWND> disabled = disableOtherWindows(owner);
    open_.push_back({&window, view.get()});
    struct Loop {
        Win32Dialogs& dialogs;
        ModalWindow& window;
        std::vector<HWND>& disabled;
        ~Loop() {
            window.endModal();
            std::erase_if(dialogs.open_, [&](const Open& open) { return open.window == &window; });
            for (HWND hwnd : disabled) EnableWindow(hwnd, TRUE);
        }
    } loop{*this, window, disabled};
    ModalDialogView* host = view.get();
    window.beginModal([host] { host->modelClosed(); });
    view->run(owner);
    return window.modalResult();
}

}  // namespace umbrix::win32
