#pragma once
// The real application port: the hidden application and controller windows, the views of the
// program's modeless windows, and the message loop of the user-interface thread.
#include <windows.h>

#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "platform/ApplicationPort.hpp"
#include "win32/ApplicationWindow.hpp"
#include "win32/ControllerWindow.hpp"
#include "win32/ModelessWindowView.hpp"

namespace umbrix::win32 {

class Win32Application final : public platform::ApplicationPort {
public:
    explicit Win32Application(HINSTANCE instance) : instance_(instance) {}
    // Models still open are told that their windows are gone.
    ~Win32Application() override;

    void createApplicationWindow(std::string_view title) override;
    void makeApplicationWindowToolWindow() override;
    void createControllerWindow(platform::ControllerEvents& events) override;
    void openWindow(platform::ModelessWindow& window) override;
    void showWindow(platform::ModelessWindow& window, platform::WindowShow how) override;
    void hideWindow(platform::ModelessWindow& window) override;
    void placeWindow(platform::ModelessWindow& window, const platform::WindowBounds& bounds) override;
    platform::WindowId windowHandle(const platform::ModelessWindow& window) const override;
    void setWindowOpacity(platform::ModelessWindow& window, std::uint8_t alpha) override;
    void setSizingBorder(platform::ModelessWindow& window, bool shown) override;
    void closeWindow(platform::ModelessWindow& window) noexcept override;
    void setReactionErrorHandler(std::function<void(std::exception_ptr)> handler) override;
    void destroyWindows() override;
    int runMessageLoop() override;
    void quitMessageLoop(int exitCode) override;
    std::uint32_t showPopupMenu(const std::vector<platform::MenuEntry>& entries) override;

    // The view that draws modeless windows of type `Model`: the composition registers one per
    // window (views/ProgramViews.cpp). The model's own type picks the view, which is built with
    // the model as that type; a window of an unregistered type cannot be opened.
    template <class Model, class View>
    void registerView() {
        views_[std::type_index(typeid(Model))] = [](platform::ModelessWindow& window) {
            // The key is the window's exact type, so the window is a Model.
            return std::unique_ptr<ModelessWindowView>(std::make_unique<View>(static_cast<Model&>(window)));
        };
    }
    // The same with the view built by `makeView(Model&)`, for a view that needs more than its
    // model (the image lists of the icon port).
    template <class Model, class MakeView>
    void registerView(MakeView makeView) {
        views_[std::type_index(typeid(Model))] = [makeView](platform::ModelessWindow& window) {
            return std::unique_ptr<ModelessWindowView>(makeView(static_cast<Model&>(window)));
        };
    }
    // The window of an open modeless window (for tests); null when it is not open.
    HWND handleOf(const platform::ModelessWindow& window) const;
    int openWindowCount() const { return static_cast<int>(open_.size()); }

    // The owner of every other window of the program.
    HWND applicationWindow() const { return applicationWindow_.hwnd(); }
    HWND controllerWindow() const { return controllerWindow_ ? controllerWindow_->hwnd() : nullptr; }

private:
    HINSTANCE instance_;
    ApplicationWindow applicationWindow_;
    // Kept until the end of the process: the window may be destroyed from inside its own
    // message handler, and the object must outlive that call.
    std::unique_ptr<ControllerWindow> controllerWindow_;
    struct Open {
        platform::ModelessWindow* model;
        std::unique_ptr<ModelessWindowView> view;
    };
    ModelessWindowView* viewOf(const platform::ModelessWindow& window) const;
    void freeClosedViews();
    bool handledAsDialogKey(MSG& message) const;
    std::function<void(std::exception_ptr)> onReactionError_;
    void closeModelessWindows() noexcept;

    using ViewFactory = std::function<std::unique_ptr<ModelessWindowView>(platform::ModelessWindow&)>;
    std::unordered_map<std::type_index, ViewFactory> views_;
    std::vector<Open> open_;  // in the order they were opened
    // Views closed from inside one of their own messages: freed once no message of theirs runs.
    std::vector<std::unique_ptr<ModelessWindowView>> closed_;
};

}  // namespace umbrix::win32
