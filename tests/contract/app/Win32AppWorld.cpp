#include <windows.h>

#include <vector>

#include "AppWorld.hpp"
#include "win32/UniqueHandle.hpp"
#include "win32/Utf16.hpp"
#include "win32/Win32Instance.hpp"
#include "win32/Win32Application.hpp"

namespace umbrix::contract {

namespace {

// A bare view for the contract's model: a plain pop-up, so its bounds are exactly what it is given.
class ContractWindowView final : public win32::ModelessWindowView {
public:
    explicit ContractWindowView(ContractWindow& window) : ModelessWindowView(window) {}
    void create(HINSTANCE instance, HWND owner) override {
        WindowBase::create(instance, L"UmbrixContractWindow", WS_EX_TOOLWINDOW, WS_POPUP,
                           win32::widen(model_.caption()).c_str(), owner, "contract window");
    }
};

class Win32AppWorld final : public AppWorld {
public:
    Win32AppWorld() { application_.registerView<ContractWindow, ContractWindowView>(); }

    // Within one process a second CreateMutexW of the name behaves as it does from another
    // process: the name exists, so it reports ERROR_ALREADY_EXISTS.
    std::unique_ptr<platform::InstancePort> startProcess() override { return std::make_unique<win32::Win32Instance>(); }
    void createForeignObject(const std::string& name) override {
        foreign_.emplace_back(CreateEventW(nullptr, TRUE, FALSE, win32::widen(name).c_str()));
    }

    platform::ApplicationPort& application() override { return application_; }
    bool applicationWindowExists() override { return IsWindow(application_.applicationWindow()) != FALSE; }
    bool controllerWindowExists() override { return IsWindow(application_.controllerWindow()) != FALSE; }
    bool applicationWindowIsToolWindow() override {
        LONG_PTR style = GetWindowLongPtrW(application_.applicationWindow(), GWL_EXSTYLE);
        return (style & WS_EX_TOOLWINDOW) && !(style & WS_EX_APPWINDOW) &&
               !IsWindowVisible(application_.applicationWindow());
    }
    void postCloseToController() override { PostMessageW(application_.controllerWindow(), WM_CLOSE, 0, 0); }
    bool endSession(bool anotherProgramRefuses) override {
        HWND controller = application_.controllerWindow();
        if (!IsWindow(controller)) return false;
        bool ends = SendMessageW(controller, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF) && !anotherProgramRefuses;
        if (IsWindow(controller)) SendMessageW(controller, WM_ENDSESSION, ends ? TRUE : FALSE, ENDSESSION_LOGOFF);
        return ends;
    }

    bool windowExists(const platform::ModelessWindow& window) override {
        return IsWindow(application_.handleOf(window)) != FALSE;
    }
    int openWindowCount() override { return application_.openWindowCount(); }
    bool windowVisible(const platform::ModelessWindow& window) override {
        return IsWindowVisible(application_.handleOf(window)) != FALSE;
    }
    platform::WindowBounds windowBounds(const platform::ModelessWindow& window) override {
        RECT rect{};
        GetWindowRect(application_.handleOf(window), &rect);
        return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    }
    void sendClose(platform::ModelessWindow& window) override {
        SendMessageW(application_.handleOf(window), WM_CLOSE, 0, 0);
    }
    void changeDpi(platform::ModelessWindow& window, int dpi, const platform::WindowBounds& suggested) override {
        RECT rect{suggested.x, suggested.y, suggested.x + suggested.width, suggested.y + suggested.height};
        SendMessageW(application_.handleOf(window), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&rect));
    }
    std::optional<std::uint8_t> windowOpacity(const platform::ModelessWindow& window) override {
        const HWND hwnd = application_.handleOf(window);
        if (!(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED)) return std::nullopt;
        BYTE alpha = 0;
        DWORD flags = 0;
        if (!GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return std::nullopt;
        return alpha;
    }
    bool hasSizingBorder(const platform::ModelessWindow& window) override {
        const LONG_PTR style = GetWindowLongPtrW(application_.handleOf(window), GWL_STYLE);
        return (style & WS_THICKFRAME) && (style & WS_CAPTION) == WS_CAPTION;
    }

private:
    std::vector<win32::UniqueHandle> foreign_;
    win32::Win32Application application_{GetModuleHandleW(nullptr)};
};

}  // namespace

std::unique_ptr<AppWorld> makeAppWorld() { return std::make_unique<Win32AppWorld>(); }

}  // namespace umbrix::contract
