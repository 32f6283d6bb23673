#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "platform/DialogPort.hpp"
#include "views/ModalDialogView.hpp"

namespace umbrix::win32 {

class Win32Dialogs final : public platform::DialogPort {
public:
    using ErrorHandler = std::function<void(std::exception_ptr)>;

    // The view that draws modal windows of type `Model`: the composition registers one per
    // window (views/ProgramViews.cpp). The model's own type picks the view, which is built
    // with the model as that type; a window of an unregistered type cannot be shown.
    template <class Model, class View>
    void registerView() {
        views_[std::type_index(typeid(Model))] = [](platform::ModalWindow& window, ErrorHandler onError) {
            // The key is the window's exact type, so the window is a Model.
            return std::unique_ptr<ModalDialogView>(
                std::make_unique<View>(static_cast<Model&>(window), std::move(onError)));
        };
    }

    platform::MessageBoxResult messageBox(const platform::MessageBoxRequest& request) override;
    platform::ModalResult showModal(platform::ModalWindow& window) override;
    std::optional<std::string> chooseFileToOpen(const platform::FileOpenRequest& request) override;

    // The program's one handler for errors escaping a modal window's reactions. Without one,
    // such an error ends the program.
    void setErrorHandler(std::function<void(std::exception_ptr)> onError) { onError_ = std::move(onError); }

    // The controller window, which owns the modal windows that ask for it.
    void setControllerWindow(std::function<HWND()> controller) { controller_ = std::move(controller); }

    // The dialog of an open modal window, for tests that drive the real controls.
    HWND handleOf(const platform::ModalWindow& window) const;

private:
    struct Open {
        const platform::ModalWindow* window;
        ModalDialogView* view;
    };
    std::unique_ptr<ModalDialogView> viewFor(platform::ModalWindow& window) const;

    using ViewFactory = std::function<std::unique_ptr<ModalDialogView>(platform::ModalWindow&, ErrorHandler)>;
    std::unordered_map<std::type_index, ViewFactory> views_;
    std::vector<Open> open_;  // innermost last
    std::function<void(std::exception_ptr)> onError_;
    std::function<HWND()> controller_;
};

}  // namespace umbrix::win32
