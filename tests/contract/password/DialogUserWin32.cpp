#include <windows.h>
// After windows.h: the file dialog's control ids.
#include <dlgs.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "DialogUser.hpp"
#include "views/PasswordDialogIds.h"
#include "win32/Utf16.hpp"

namespace umbrix::contract {

namespace {

using win32::narrow;
using win32::widen;

constexpr ULONGLONG kPatience = 10000;  // how long the user waits for a window before giving up

int controlOf(DialogField field) {
    switch (field) {
        case DialogField::PromptPassword: return IDC_PROMPT_PASSWORD;
        case DialogField::OldPassword: return IDC_OLD_PASSWORD;
        case DialogField::NewPassword: return IDC_NEW_PASSWORD;
        case DialogField::ConfirmPassword: return IDC_CONFIRM_PASSWORD;
        case DialogField::Hint: return IDC_PASSWORD_HINT;
    }
    return 0;
}

int controlOf(DialogButton button) {
    switch (button) {
        case DialogButton::Ok: return IDOK;
        case DialogButton::Cancel: return IDCANCEL;
        case DialogButton::Help: return IDHELP;
    }
    return 0;
}

std::string windowText(HWND hwnd) {
    wchar_t text[1024];
    int length = GetWindowTextW(hwnd, text, 1024);
    return narrow(std::wstring_view(text, static_cast<std::size_t>(length > 0 ? length : 0)));
}

bool isDialog(HWND hwnd) {
    wchar_t name[16];
    return GetClassNameW(hwnd, name, 16) > 0 && std::wstring_view(name) == L"#32770";
}

bool isMessageBox(HWND hwnd) {
    return isDialog(hwnd) && !GetDlgItem(hwnd, IDC_PROMPT_PASSWORD) && !GetDlgItem(hwnd, IDC_NEW_PASSWORD);
}

// The visible dialogs and message boxes of this thread.
std::vector<HWND> visibleDialogs() {
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM list) -> BOOL {
            if (IsWindowVisible(hwnd) && isDialog(hwnd)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// A message box's text: its static controls with text (the icon's has none).
std::string messageOf(HWND box) {
    std::string text;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM out) -> BOOL {
            wchar_t name[16];
            if (GetClassNameW(child, name, 16) > 0 && _wcsicmp(name, L"Static") == 0) {
                std::string part = windowText(child);
                if (!part.empty()) *reinterpret_cast<std::string*>(out) += part;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

void press(HWND dialog, int id) {
    // Posted, so the program's reaction runs in its own loop and not inside this timer.
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Drives the real dialogs from a timer on a hidden window of the test's thread: the modal loops
// of the dialogs and message boxes dispatch its WM_TIMER while the program waits for input.
class Win32DialogUser final : public DialogUser {
public:
    Win32DialogUser() {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &Win32DialogUser::windowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"UmbrixContractUser";
        RegisterClassExW(&windowClass);  // fails harmlessly when registered already
        window_ = CreateWindowExW(0, L"UmbrixContractUser", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetTimer(window_, 1, 50, nullptr);
    }
    ~Win32DialogUser() override {
        KillTimer(window_, 1);
        DestroyWindow(window_);
    }

    void willFill(std::string caption, std::vector<std::pair<DialogField, std::string>> fields,
                  DialogButton button) override {
        actions_.push_back({"fill \"" + caption + "\"", [this, caption, fields, button] {
                                for (HWND dialog : visibleDialogs()) {
                                    if (!IsWindowEnabled(dialog) || windowText(dialog) != caption) continue;
                                    fill(dialog, caption, fields);
                                    press(dialog, controlOf(button));
                                    return true;
                                }
                                return false;
                            }});
    }

    void willAcknowledgeMessageBox() override {
        actions_.push_back({"acknowledge a message box", [this] {
                                for (HWND box : visibleDialogs()) {
                                    if (!IsWindowEnabled(box) || !isMessageBox(box)) continue;
                                    HWND owner = GetWindow(box, GW_OWNER);
                                    seen_.push_back({messageOf(box), windowText(box), owner ? windowText(owner) : ""});
                                    press(box, IDOK);
                                    return true;
                                }
                                return false;
                            }});
    }

    void willChooseFile(std::string title, std::optional<std::string> file) override {
        actions_.push_back({"choose a file in \"" + title + "\"", [this, title, file] {
                                for (HWND dialog : visibleDialogs()) {
                                    if (!IsWindowEnabled(dialog) || windowText(dialog) != title) continue;
                                    seenFileDialogs_.push_back(title);
                                    if (file) {
                                        // The file name field: a combo box since Windows 2000, an
                                        // edit field in older templates.
                                        HWND name = GetDlgItem(dialog, cmb13);
                                        if (!name) name = GetDlgItem(dialog, edt1);
                                        if (!name) return false;
                                        SetWindowTextW(name, widen(*file).c_str());
                                    }
                                    press(dialog, file ? IDOK : IDCANCEL);
                                    return true;
                                }
                                return false;
                            }});
    }

    std::vector<SeenMessageBox> seenMessageBoxes() const override { return seen_; }
    std::vector<std::string> seenFileDialogs() const override { return seenFileDialogs_; }
    std::vector<std::string> sawOnTop() const override { return onTop_; }
    bool scriptDone() const override {
        if (!problem_.empty()) ADD_FAILURE() << problem_;
        return actions_.empty() && problem_.empty();
    }

private:
    struct Action {
        std::string what;
        std::function<bool()> attempt;
        ULONGLONG since = 0;
    };

    void fill(HWND dialog, const std::string& caption, const std::vector<std::pair<DialogField, std::string>>& fields) {
        if (GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) onTop_.push_back(caption);
        for (const auto& [field, text] : fields) {
            const int control = controlOf(field);
            if (field != DialogField::Hint && SendDlgItemMessageW(dialog, control, EM_GETPASSWORDCHAR, 0, 0) != L'*')
                problem_ = "a password field of \"" + caption + "\" shows its text unmasked";
            SetDlgItemTextW(dialog, control, widen(text).c_str());
        }
    }

    void tick() {
        const ULONGLONG now = GetTickCount64();
        if (actions_.empty()) {
            // Nothing is scripted, yet a window waits for input: close it rather than hang.
            if (visibleDialogs().empty()) {
                idleSince_ = 0;
            } else if (idleSince_ == 0) {
                idleSince_ = now;
            } else if (now - idleSince_ > kPatience) {
                giveUp("a window stayed open that nothing in the script closes");
            }
            return;
        }
        Action& next = actions_.front();
        if (next.since == 0) next.since = now;
        if (next.attempt()) {
            actions_.pop_front();
            idleSince_ = 0;
        } else if (now - next.since > kPatience) {
            giveUp("gave up waiting to " + next.what);
        }
    }

    void giveUp(std::string why) {
        problem_ = std::move(why);
        actions_.clear();
        for (HWND dialog : visibleDialogs()) press(dialog, IDCANCEL);
    }

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_TIMER) {
            if (auto* self = reinterpret_cast<Win32DialogUser*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) self->tick();
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    std::deque<Action> actions_;
    std::vector<SeenMessageBox> seen_;
    std::vector<std::string> seenFileDialogs_;
    std::vector<std::string> onTop_;
    std::string problem_;
    ULONGLONG idleSince_ = 0;
};

}  // namespace

std::unique_ptr<DialogUser> makeDialogUser(ContractEnvironment&) { return std::make_unique<Win32DialogUser>(); }

}  // namespace umbrix::contract
