#include "views/ProgramViews.hpp"

#include "views/AboutView.hpp"
#include "views/HotkeySetupView.hpp"
#include "views/SetPasswordView.hpp"
#include "views/UnlockPromptView.hpp"

namespace umbrix::win32 {

void registerProgramViews(Win32Dialogs& dialogs) {
    dialogs.registerView<password::SetPasswordDialog, SetPasswordView>();
    dialogs.registerView<password::UnlockPrompt, UnlockPromptView>();
    dialogs.registerView<ui::AboutWindow, AboutView>();
    dialogs.registerView<ui::HotkeySetupDialog, HotkeySetupView>();
}

}  // namespace umbrix::win32
