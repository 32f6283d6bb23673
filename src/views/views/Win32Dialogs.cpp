#include "views/Win32Dialogs.hpp"

#include <commdlg.h>

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

// The filter as GetOpenFileNameW reads it: the "|"-separated pairs with NUL separators and a
// double NUL at the end.
std::wstring filterOf(const std::string& filter) {
    std::wstring wide = widen(filter);
    for (wchar_t& c : wide)
        if (c == L'|') c = L'\0';
    wide.append(2, L'\0');
    return wide;
}

// The extension without its dot; none for a wildcard, which would be appended to a typed name
// as it stands ("letter" would become "letter.*").
std::wstring defaultExtensionOf(const std::string& extension) {
    std::wstring wide = widen(extension);
    if (!wide.empty() && wide.front() == L'.') wide.erase(0, 1);
    if (wide.find_first_of(L"*?.") != std::wstring::npos) return {};
    return wide;
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

std::optional<std::string> Win32Dialogs::chooseFileToOpen(const platform::FileOpenRequest& request) {
    const std::wstring title = widen(request.title);
    const std::wstring filter = filterOf(request.filter);
    const std::wstring extension = defaultExtensionOf(request.defaultExtension);
    std::wstring file(32768, L'\0');  // room for a long path
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = open_.empty() ? GetActiveWindow() : open_.back().view->handle();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_DONTADDTORECENT;
    if (!GetOpenFileNameW(&dialog)) {
        const DWORD error = CommDlgExtendedError();
        if (error == 0) return std::nullopt;  // the user cancelled
        throw std::runtime_error("the file dialog could not be shown (common dialog error " + std::to_string(error) +
                                 ")");
    }
    return narrow(std::wstring_view(file.c_str()));
}

}  // namespace umbrix::win32
