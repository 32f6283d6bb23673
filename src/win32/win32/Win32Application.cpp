#include "win32/Win32Application.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "win32/Utf16.hpp"
#include "win32/Win32Error.hpp"

namespace umbrix::win32 {

void Win32Application::createApplicationWindow(std::string_view title) { applicationWindow_.create(instance_, title); }

void Win32Application::makeApplicationWindowToolWindow() { applicationWindow_.makeToolWindow(); }

void Win32Application::createControllerWindow(platform::ControllerEvents& events) {
    controllerWindow_ = std::make_unique<ControllerWindow>(events);
    controllerWindow_->create(instance_, applicationWindow_.hwnd());
}

ModelessWindowView* Win32Application::viewOf(const platform::ModelessWindow& window) const {
    for (const Open& open : open_) {
        if (open.model == &window) return open.view.get();
    }
    return nullptr;
}

HWND Win32Application::handleOf(const platform::ModelessWindow& window) const {
    const ModelessWindowView* view = viewOf(window);
    return view ? view->hwnd() : nullptr;
}

void Win32Application::freeClosedViews() {
    std::erase_if(closed_, [](const auto& view) { return !view->handlingMessage(); });
}

void Win32Application::setReactionErrorHandler(std::function<void(std::exception_ptr)> handler) {
    onReactionError_ = std::move(handler);
    for (const Open& open : open_) open.view->setErrorHandler(onReactionError_);
}

void Win32Application::openWindow(platform::ModelessWindow& window) {
    freeClosedViews();
    if (viewOf(window)) return;
    const auto factory = views_.find(std::type_index(typeid(window)));
    if (factory == views_.end()) throw std::logic_error("no view is registered for the " + window.name());
    std::unique_ptr<ModelessWindowView> view = factory->second(window);
    view->setErrorHandler(onReactionError_);
    view->create(instance_, applicationWindow_.hwnd());
    open_.push_back({&window, std::move(view)});
    window.hostOpened(*this);
}

void Win32Application::showWindow(platform::ModelessWindow& window, platform::WindowShow how) {
    if (ModelessWindowView* view = viewOf(window)) view->show(how);
}

void Win32Application::hideWindow(platform::ModelessWindow& window) {
    if (ModelessWindowView* view = viewOf(window)) view->hide();
}

void Win32Application::placeWindow(platform::ModelessWindow& window, const platform::WindowBounds& bounds) {
    if (ModelessWindowView* view = viewOf(window)) view->place(bounds);
}

platform::WindowId Win32Application::windowHandle(const platform::ModelessWindow& window) const {
    return platform::WindowId{reinterpret_cast<std::uintptr_t>(handleOf(window))};
}

void Win32Application::setWindowOpacity(platform::ModelessWindow& window, std::uint8_t alpha) {
    if (ModelessWindowView* view = viewOf(window)) view->setOpacity(alpha);
}

void Win32Application::setSizingBorder(platform::ModelessWindow& window, bool shown) {
    if (ModelessWindowView* view = viewOf(window)) view->setSizingBorder(shown);
}

void Win32Application::closeWindow(platform::ModelessWindow& window) noexcept {
    const auto open = std::ranges::find(open_, &window, &Open::model);
    if (open == open_.end()) return;
    std::unique_ptr<ModelessWindowView> view = std::move(open->view);
    open_.erase(open);
    window.hostClosed();
    view->close();
    if (view->handlingMessage()) closed_.push_back(std::move(view));
}

void Win32Application::closeModelessWindows() noexcept {
    while (!open_.empty()) closeWindow(*open_.back().model);
}

Win32Application::~Win32Application() { closeModelessWindows(); }

void Win32Application::destroyWindows() {
    closeModelessWindows();
    if (controllerWindow_) controllerWindow_->destroy();
    applicationWindow_.destroy();
}

bool Win32Application::handledAsDialogKey(MSG& message) const {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !message.hwnd) return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    for (const Open& open : open_) {
        if (open.view->hwnd() != root || !open.view->takesDialogKeys()) continue;
        ModelessWindowView* view = open.view.get();
        if (!IsDialogMessageW(root, &message)) return false;
        // The view may have gone with the key (Escape closing it).
        for (const Open& still : open_)
            if (still.view.get() == view && view->exists()) view->afterDialogKey();
        return true;
    }
    return false;
}

int Win32Application::runMessageLoop() {
    MSG message{};
    for (;;) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
            if (handledAsDialogKey(message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        // The queue is empty: the controller's idle moment, then sleep until a message comes.
        if (controllerWindow_ && controllerWindow_->exists()) controllerWindow_->idle();
        if (!WaitMessage()) throwLastError("the message loop failed");
    }
}

namespace {

struct MenuHandle {
    HMENU menu = CreatePopupMenu();
    ~MenuHandle() {
        if (menu) DestroyMenu(menu);
    }
};

void appendEntries(HMENU menu, const std::vector<platform::MenuEntry>& entries) {
    for (const platform::MenuEntry& entry : entries) {
        if (entry.caption.empty()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::wstring caption = widen(entry.caption);
        if (!entry.submenu.empty()) {
            HMENU submenu = CreatePopupMenu();  // owned by `menu` once appended
            appendEntries(submenu, entry.submenu);
            AppendMenuW(menu, MF_POPUP | (entry.enabled ? 0 : MF_GRAYED), reinterpret_cast<UINT_PTR>(submenu),
                        caption.c_str());
            continue;
        }
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
        item.fType = MFT_STRING | (entry.radio ? MFT_RADIOCHECK : 0);
        item.fState =
            (entry.checked ? MFS_CHECKED : 0) | (entry.enabled ? 0 : MFS_GRAYED) | (entry.isDefault ? MFS_DEFAULT : 0);
        item.wID = entry.command;
        item.dwTypeData = caption.data();
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &item);
    }
}

}  // namespace

std::uint32_t Win32Application::showPopupMenu(const std::vector<platform::MenuEntry>& entries) {
    MenuHandle menu;
    if (!menu.menu) throwLastError("cannot create the menu");
    appendEntries(menu.menu, entries);
    HWND owner = controllerWindow();
    POINT at{};
    GetCursorPos(&at);
    // Without the foreground the menu would stay open after a click elsewhere.
    SetForegroundWindow(owner);
    UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu.menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);  // lets the menu close properly on the next click
    return chosen;
}

void Win32Application::quitMessageLoop(int exitCode) { PostQuitMessage(exitCode); }

}  // namespace umbrix::win32
