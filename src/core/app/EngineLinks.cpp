#include "app/EngineLinks.hpp"

#include <stdexcept>

#include "app/AppTexts.hpp"

namespace umbrix::app {

EngineLinks::EngineLinks(platform::DialogPort& dialogs, platform::CursorPort& cursor, TrayIconPresence& trayIcon,
                         extras::ActivationExtras& extras, password::UnlockPromptSlot& unlockPrompt,
                         LastActiveWindow& lastActive)
    : dialogs_(dialogs),
      cursor_(cursor),
      trayIcon_(trayIcon),
      extras_(extras),
      unlockPrompt_(unlockPrompt),
      lastActive_(lastActive) {}

engine::EngineCollaborators EngineLinks::collaborators(engine::HideJournal& hideJournal) {
    return engine::EngineCollaborators{*this, *this, *this, *this, *this, lastActive_, *this, hideJournal};
}

std::string EngineLinks::mainWindowCaption() { return std::string(kMainWindowCaption); }

bool EngineLinks::isPasswordPromptShown() { return unlockPrompt_.isOpen(); }

void EngineLinks::closeAndDestroyPasswordPrompt() { unlockPrompt_.discard(); }

void EngineLinks::closeAboutWindow() {
    if (aboutWindow) aboutWindow->Close();
}

bool EngineLinks::askYesNo(const std::string& text, const std::string& caption) {
    platform::MessageBoxRequest request;
    request.text = text;
    request.caption = caption;
    request.buttons = platform::MessageBoxButtons::YesNo;
    request.taskModal = true;
    return dialogs_.messageBox(request) == platform::MessageBoxResult::Yes;
}

std::optional<std::string> EngineLinks::browseForFile(const engine::FileDialogRequest&) {
    // Only the main window's exclusion page browses for a file, and that window is not built
    // yet; an unexpected caller learns so rather than seeing a cancelled dialog.
    throw std::logic_error("no window of this program can browse for a file yet");
}

}  // namespace umbrix::app
