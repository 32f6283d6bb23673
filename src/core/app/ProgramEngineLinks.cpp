#include "app/ProgramEngineLinks.hpp"

#include "ui/main/MainWindow.hpp"
#include "ui/main/MainWindowTexts.hpp"
#include "ui/PanicButtonWindow.hpp"

namespace umbrix::app {

ProgramEngineLinks::ProgramEngineLinks(platform::DialogPort& dialogs, platform::CursorPort& cursor,
                                       TrayIconPresence& trayIcon, extras::ActivationExtras& extras,
                                       password::UnlockPromptSlot& unlockPrompt, LastActiveWindow& lastActive)
    : dialogs_(dialogs),
      cursor_(cursor),
      trayIcon_(trayIcon),
      extras_(extras),
      unlockPrompt_(unlockPrompt),
      lastActive_(lastActive) {}

engine::EngineLinks ProgramEngineLinks::links(engine::HideJournal& hideJournal) {
    return engine::EngineLinks{*this, *this, *this, *this, *this, lastActive_, *this, hideJournal};
}

std::string ProgramEngineLinks::mainWindowCaption() { return ui::kMainWindowCaption; }

bool ProgramEngineLinks::isMainWindowVisible() { return mainWindow && mainWindow->visible(); }

void ProgramEngineLinks::closeMainWindow() {
    if (mainWindow) mainWindow->close();
}

platform::WindowId ProgramEngineLinks::mainWindowHandle() const {
    return mainWindow ? mainWindow->handle() : platform::WindowId{};
}

platform::WindowId ProgramEngineLinks::panicWindowHandle() {
    return panicWindow ? panicWindow->handle() : platform::WindowId{};
}

bool ProgramEngineLinks::isPanicWindowShown() { return panicWindow && panicWindow->visible(); }

void ProgramEngineLinks::closePanicWindow() {
    if (panicWindow) panicWindow->hide();
}

bool ProgramEngineLinks::isPasswordPromptShown() { return unlockPrompt_.isOpen(); }

void ProgramEngineLinks::closeAndDestroyPasswordPrompt() { unlockPrompt_.discard(); }

void ProgramEngineLinks::closeAboutWindow() {
    if (aboutWindow) aboutWindow->close();
}

bool ProgramEngineLinks::askYesNo(const std::string& text, const std::string& caption) {
    platform::MessageBoxRequest request;
    request.text = text;
    request.caption = caption;
    request.buttons = platform::MessageBoxButtons::YesNo;
    request.taskModal = true;
    return dialogs_.messageBox(request) == platform::MessageBoxResult::Yes;
}

std::optional<std::string> ProgramEngineLinks::browseForFile(const engine::FileDialogRequest& request) {
    return dialogs_.chooseFileToOpen(request);
}

}  // namespace umbrix::app
