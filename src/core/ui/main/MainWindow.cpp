#include "ui/main/MainWindow.hpp"

#include <algorithm>

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

const std::vector<OptionCheckBox>& optionCheckBoxes() {
    using settings::Options;
    static const std::vector<OptionCheckBox> boxes = {
        {"Empty the Recycle Bin", CheckBoxPlace::Options, &Options::emptyRecycleBin},
        {"Clear recently accessed documents list", CheckBoxPlace::Options, &Options::clearRecentDocuments},
        {"Clear temporary files", CheckBoxPlace::Options, &Options::clearTemporaryFiles},
        {"Disregard cloaked windows (Windows 10)", CheckBoxPlace::Options, &Options::ignoreCloakedWindows},
        {"Mute the audio", CheckBoxPlace::Options, &Options::muteAudio},
        {"Require passwords to unhide windows", CheckBoxPlace::Options, &Options::requirePassword},
        {"Always hide the Panic Button", CheckBoxPlace::Options, &Options::alwaysHidePanicButton},
        {"Always hide the Umbrix System Tray icon", CheckBoxPlace::Options, &Options::alwaysHideTrayIcon},
        {"Start silent (disables the splash screen and minimizes to system tray)", CheckBoxPlace::Options,
         &Options::startSilent},
        {"Disable CTRL+ALT+DEL Windows keys (Requires Administrator priviledges)", CheckBoxPlace::Options,
         &Options::disableCtrlAltDel},
        {"When Closing the Active window, close all application windows ", CheckBoxPlace::Cascade,
         &Options::closeParentWindows},
        {"When Hiding the Active window, hide all application windows ", CheckBoxPlace::Cascade,
         &Options::hideParentWindows},
        {"Make next window in the Z Order active automatically", CheckBoxPlace::Cascade, &Options::keepZOrder},
        {"Disable Task Manager (Requires Administrative priviledge)", CheckBoxPlace::Setup,
         &Options::disableTaskManager},
        {"Launch an application or open a document", CheckBoxPlace::Decoy, &Options::useDecoy},
    };
    return boxes;
}

const std::vector<std::string_view>& themeNames() {
    static const std::vector<std::string_view> names = {
        "Windows",          "Amakrits",
        "Amethyst Kamri",   "Auric",
        "Cyan Dusk",        "Cyan Night",
        "Glossy",           "Glow",
        "Onyx Blue",        "Ruby Graphite",
        "Silver",           "Sky",
        "Slate Classico",   "Smokey Quartz Kamri",
        "TabletDark",       "Tablet Light",
        "Windows10",        "Windows10 Blue",
        "Windows10 Dark",   "Windows10 Green",
        "Windows10 Purple", "Windows10 SlateGray",
    };
    return names;
}

const std::vector<std::string_view>& languageNames() {
    static const std::vector<std::string_view> names = {"English", "French", "German", "Chinese"};
    return names;
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
    loadWelcomeDocument();
}

void MainWindow::loadWelcomeDocument() {
    // A missing or unreadable document leaves the page empty; nothing is reported.
    const auto html = links_.files.readFile(links_.welcomeDocumentPath);
    welcome_ = html ? readWelcomeText(*html) : WelcomeDocument{};
    welcome_.path = links_.welcomeDocumentPath;
    ++welcomeOpenings_;
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
    if (page == MainPage::Welcome) loadWelcomeDocument();
    notifyChanged();
}

void MainWindow::showSelectedHiddenWindow() {
    if (links_.unlockHiddenWindows()) hiddenWindowsPage_.showSelectedHiddenWindow();
}

void MainWindow::showAllHiddenWindows() {
    if (links_.unlockHiddenWindows()) hiddenWindowsPage_.showAllHiddenWindows();
}

std::vector<ContextMenuEntry> MainWindow::openContextMenu(MainList list) {
    switch (list) {
        case MainList::VisibleWindows:
            return {{"Hide selected window", true, ContextCommand::HideSelectedWindow, {}},
                    {"Refresh...", true, ContextCommand::RefreshVisibleWindows, {}}};
        case MainList::WindowExclusions: return {{"Clear all", true, ContextCommand::ClearWindowExclusions, {}}};
        case MainList::HiddenWindows: hiddenWindowsPage_.onListMouseDown(MouseButton::Right); break;
        case MainList::ApplicationExclusions: exclusionPage_.onApplicationListMouseDown(MouseButton::Right); break;
    }
    const SharedContextMenu& menu = contextMenu_;
    return {{"Show selected window", menu.showSelectedWindow, ContextCommand::ShowSelectedWindow, {}},
            {"Show all windows", menu.showAllWindows, ContextCommand::ShowAllWindows, {}},
            {"Close window...", menu.closeWindow, ContextCommand::CloseHiddenWindow, {}},
            {"Remove selected", menu.removeSelected, ContextCommand::RemoveApplicationExclusion, {}},
            {"Add application",
             menu.addApplication,
             std::nullopt,
             {{"Browse...", true, ContextCommand::BrowseForApplicationExclusion, {}}}}};
}

void MainWindow::runContextCommand(ContextCommand command) {
    switch (command) {
        case ContextCommand::HideSelectedWindow: exclusionPage_.hideSelectedWindow(); break;
        case ContextCommand::RefreshVisibleWindows: refreshVisibleWindows(); break;
        case ContextCommand::ClearWindowExclusions: exclusionPage_.clearWindowExclusions(); break;
        case ContextCommand::ShowSelectedWindow: showSelectedHiddenWindow(); break;
        case ContextCommand::ShowAllWindows: showAllHiddenWindows(); break;
        case ContextCommand::CloseHiddenWindow: hiddenWindowsPage_.closeSelectedHiddenWindow(); break;
        case ContextCommand::RemoveApplicationExclusion: exclusionPage_.removeSelectedApplicationExclusion(); break;
        case ContextCommand::BrowseForApplicationExclusion: exclusionPage_.addApplicationExclusionFromFile(); break;
    }
    notifyChanged();
}

void MainWindow::changeHotkeys() { links_.showHotkeySetupDialog(); }

void MainWindow::setDecoyProgram(std::string path) {
    links_.options.decoyProgram = std::move(path);
    if (links_.options.decoyProgram.empty()) links_.options.useDecoy = false;
}

void MainWindow::browseForDecoy() {
    if (auto file = links_.dialogs.browseForFile(
            engine::FileDialogRequest{kBrowseDialogTitle, kBrowseDialogFilter, kBrowseDialogDefaultExtension}))
        setDecoyProgram(std::move(*file));
}

void MainWindow::setOption(bool settings::Options::*option, bool checked) {
    if (checked && !checkBoxEnabled(option)) return;
    links_.options.*option = checked;
}

void MainWindow::manageUnhidePassword() { links_.manageUnhidePassword(); }

std::optional<std::size_t> MainWindow::selectedTheme() const {
    const std::int32_t index = links_.options.themeIndex;
    if (index < 0 || static_cast<std::size_t>(index) >= themeNames().size()) return std::nullopt;
    return static_cast<std::size_t>(index);
}

void MainWindow::chooseTheme(std::size_t index) {
    if (index < themeNames().size()) links_.options.themeIndex = static_cast<std::int32_t>(index);
}

void MainWindow::chooseLanguage(std::size_t index) {
    if (index < languageNames().size()) language_ = index;
}

void MainWindow::setPanicButtonTransparency(std::int32_t value) {
    links_.options.panicButtonTransparency = std::clamp<std::int32_t>(value, 0, kMaxPanicTransparency);
    if (panicButton_) panicButton_->applyOpacity();
}

std::string_view MainWindow::panicButtonToggleCaption() const {
    return panicButton_ && panicButton_->visible() ? "Hide" : "Show";
}

void MainWindow::togglePanicButton() {
    if (!panicButton_) return;
    if (panicButtonToggleCaption() == "Show") {
        panicButton_->show();
    } else {
        panicButton_->hide();
    }
}

}  // namespace umbrix::ui
