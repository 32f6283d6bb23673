#include "views/ProgramViews.hpp"

#include "views/AboutView.hpp"
#include "views/ExplanationView.hpp"
#include "views/HotkeySetupView.hpp"
#include "views/InputBoxView.hpp"
#include "views/MainWindowView.hpp"
#include "views/PanicButtonView.hpp"
#include "views/SetPasswordView.hpp"
#include "views/SplashView.hpp"
#include "views/UnlockPromptView.hpp"

namespace umbrix::win32 {

void registerProgramViews(Win32Dialogs& dialogs) {
    dialogs.registerView<password::SetPasswordDialog, SetPasswordView>();
    dialogs.registerView<password::UnlockPrompt, UnlockPromptView>();
    dialogs.registerView<ui::AboutWindow, AboutView>();
    dialogs.registerView<ui::HotkeySetupDialog, HotkeySetupView>();
    dialogs.registerView<ui::InputBox, InputBoxView>();
}

void registerProgramWindows(Win32Application& windows, const Win32Icons& icons) {
    windows.registerView<ui::SplashWindow, SplashView>();
    windows.registerView<ui::ExplanationWindow, ExplanationView>();
    windows.registerView<ui::PanicButtonWindow, PanicButtonView>();
    windows.registerView<ui::MainWindow>([&icons](ui::MainWindow& window) {
        return std::make_unique<MainWindowView>(window,
                                                [&icons](platform::ImageListId list) { return icons.imageList(list); });
    });
}

}  // namespace umbrix::win32
