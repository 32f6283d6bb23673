#include "views/ProgramViews.hpp"

#include "views/AboutView.hpp"
#include "views/ExplanationView.hpp"
#include "views/HotkeySetupView.hpp"
#include "views/SetPasswordView.hpp"
#include "views/SplashView.hpp"
#include "views/UnlockPromptView.hpp"

namespace umbrix::win32 {

void registerProgramViews(Win32Dialogs& dialogs) {
    dialogs.registerView<password::SetPasswordDialog, SetPasswordView>();
    dialogs.registerView<password::UnlockPrompt, UnlockPromptView>();
    dialogs.registerView<ui::AboutWindow, AboutView>();
    dialogs.registerView<ui::HotkeySetupDialog, HotkeySetupView>();
}

void registerProgramWindows(Win32Application& windows) {
    windows.registerView<ui::SplashWindow, SplashView>();
    windows.registerView<ui::ExplanationWindow, ExplanationView>();
}

}  // namespace umbrix::win32
