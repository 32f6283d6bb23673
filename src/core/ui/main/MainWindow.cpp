#include "ui/main/MainWindow.hpp"

#include "ui/main/MainWindowTexts.hpp"

namespace umbrix::ui {

namespace {
// Where Windows keeps the processor's name, as its own system information shows it.
constexpr std::string_view kProcessorKey = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";
constexpr std::string_view kProcessorNameValue = "ProcessorNameString";
}  // namespace

const std::vector<NavigationEntry>& navigationEntries() {
    static const std::vector<NavigationEntry> entries = {
        {"Windows that anyone can see", "Show windows that are visible", MainPage::VisibleWindows},
        {"Windows that have been hidden", "Show hidden windows", MainPage::HiddenWindows},
        {"Configure Umbrix actions", "", MainPage::Setup},
        {"Specify additional actions", "Options", MainPage::Options},
        {"All About Umbrix", "About Umbrix", MainPage::About},
        {"Welcome", "", MainPage::Welcome},
    };
    return entries;
}

MainWindow::MainWindow(MainWindowLinks links)
    : links_(std::move(links)),
      exclusionPage_(links_.engine, links_.dialogs, contextMenu_),
      hiddenWindowsPage_(links_.engine, links_.dialogs, contextMenu_) {}

std::string MainWindow::caption() const { return kMainWindowCaption; }

void MainWindow::onCreate() {
    links_.windows.openWindow(*this);
    const auto name =
        links_.registry.readValue(platform::RegistryRoot::LocalMachine, kProcessorKey, kProcessorNameValue);
    processorBanner_ = "CPU: " + (name ? name->text : std::string());
    exclusionPage_.onExclusionModeChanged();
}

void MainWindow::refreshVisibleWindows() {
    links_.dialogs.setWaitCursor(true);
    struct Arrow {
        engine::EngineDialogs& dialogs;
        ~Arrow() { dialogs.setWaitCursor(false); }
    } arrow{links_.dialogs};
    links_.engine.inventory().refreshInventory();
}

void MainWindow::show() {
    visible_ = true;
    refreshVisibleWindows();
    if (!activePage_) activePage_ = MainPage::Welcome;
    notifyChanged();
    links_.windows.showWindow(*this, platform::WindowShow::Activate);
}

void MainWindow::close() {
    if (!visible_) return;
    visible_ = false;
    links_.windows.hideWindow(*this);
    links_.writeSettings();
}

void MainWindow::navigate(MainPage page) {
    activePage_ = page;
    if (page == MainPage::VisibleWindows) refreshVisibleWindows();
    notifyChanged();
}

void MainWindow::showSelectedHiddenWindow() {
    if (links_.unlockHiddenWindows()) hiddenWindowsPage_.showSelectedHiddenWindow();
}

void MainWindow::showAllHiddenWindows() {
    if (links_.unlockHiddenWindows()) hiddenWindowsPage_.showAllHiddenWindows();
}

void MainWindow::changeHotkeys() { links_.showHotkeySetupDialog(); }

void MainWindow::setDecoyProgram(std::string path) {
    links_.options.decoyProgram = std::move(path);
    if (links_.options.decoyProgram.empty()) links_.options.useDecoy = false;
}

void MainWindow::manageUnhidePassword() { links_.manageUnhidePassword(); }

}  // namespace umbrix::ui
