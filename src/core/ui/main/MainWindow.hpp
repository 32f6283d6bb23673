#pragma once
// MainWindow, "UBX 7 for Office (Portable)": the program's face. A navigation pane leads to six
// pages (the visible windows with the exclusions, the hidden windows, the setup of the action
// and the hotkeys, the extra options, about, welcome); the option controls are the settings
// model itself, so what the user checks is what the next activation reads and what the close
// writes. It is created once at start-up and lives to the end; closing it only hides it, and
// the tray icon and the hotkeys go on working.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/EngineLinks.hpp"
#include "engine/WindowEngine.hpp"
#include "platform/FilePort.hpp"
#include "platform/ModelessWindow.hpp"
#include "platform/RegistryPort.hpp"
#include "settings/Options.hpp"
#include "ui/PanicButtonWindow.hpp"
#include "ui/main/ExclusionPageModel.hpp"
#include "ui/main/HiddenWindowsPageModel.hpp"
#include "ui/main/SharedContextMenu.hpp"
#include "ui/main/WelcomeDocument.hpp"

namespace umbrix::ui {

// The pages, by the index the navigation entries carry as their tag.
enum class MainPage : int { Options = 0, VisibleWindows = 1, HiddenWindows = 2, Setup = 3, About = 4, Welcome = 5 };

struct NavigationEntry {
    std::string_view caption;
    std::string_view hint;  // empty: none
    MainPage page;
};

// The navigation pane's entries, top to bottom.
const std::vector<NavigationEntry>& navigationEntries();

// Where a check box of the Options or Setup page stands.
enum class CheckBoxPlace {
    Options,  // the Options page's column
    Cascade,  // Setup: the group "Cascade windows"
    Setup,  // Setup: below that group
    Decoy,  // Setup: beside the decoy's field
};

// A check box of the Options and Setup pages: the option it is.
struct OptionCheckBox {
    std::string_view caption;
    CheckBoxPlace place;
    bool settings::Options::*option;
};

// The check boxes of the Options and Setup pages, top to bottom.
const std::vector<OptionCheckBox>& optionCheckBoxes();
// The theme list: the system look "Windows", then the built-in themes, in an order that never
// changes (the settings keep the index).
const std::vector<std::string_view>& themeNames();
// The language list at the bottom of the window.
const std::vector<std::string_view>& languageNames();
// The panic button's transparency slider: 0 (0 %) to 10 (100 %).
inline constexpr std::int32_t kMaxPanicTransparency = 10;

// The lists of the pages that have a context menu.
enum class MainList { VisibleWindows, WindowExclusions, ApplicationExclusions, HiddenWindows };

// What an entry of a list's context menu does.
enum class ContextCommand {
    HideSelectedWindow,  // "Hide selected window"
    RefreshVisibleWindows,  // "Refresh..."
    ClearWindowExclusions,  // "Clear all"
    ShowSelectedWindow,  // "Show selected window"
    ShowAllWindows,  // "Show all windows"
    CloseHiddenWindow,  // "Close window..."
    RemoveApplicationExclusion,  // "Remove selected"
    BrowseForApplicationExclusion,  // "Add application" > "Browse..."
};

// An entry of a context menu: a command, or a submenu of its own entries.
struct ContextMenuEntry {
    std::string_view caption;
    bool enabled = true;
    std::optional<ContextCommand> command;  // none: a submenu
    std::vector<ContextMenuEntry> submenu;
};

// What the main window calls in the rest of the program.
struct MainWindowLinks {
    // What puts the window on the screen: the Win32 view in the program, the sim in tests.
    platform::ModelessWindowHost& windows;
    settings::Options& options;
    engine::WindowEngine& engine;
    engine::EngineDialogs& dialogs;
    platform::RegistryPort& registry;
    // The welcome page's document is read from here.
    platform::FilePort& files;
    std::string welcomeDocumentPath;
    // "Change": the hotkey setup dialog, modally.
    std::function<void()> showHotkeySetupDialog;
    // "Manage...": the set-password dialog behind its password gate.
    std::function<void()> manageUnhidePassword;
    // While the password guards the hidden windows, the unlock prompt asks for it; true when
    // they may be shown.
    std::function<bool()> unlockHiddenWindows;
    // The close's save of the settings and the exclusion file.
    std::function<void()> writeSettings;
    // Runs a reaction to the user under the program's error hook: what fails is reported there,
    // and the window goes on.
    std::function<void(const std::function<void()>&)> runReaction;
};

class MainWindow final : public platform::ModelessWindow {
public:
    explicit MainWindow(MainWindowLinks links);

    std::string name() const override { return "main window"; }
    // Its handle; WindowId{} while it is not open.
    platform::WindowId handle() const { return links_.windows.windowHandle(*this); }
    std::string caption() const override;
    // The close box, Alt+F4: the same as "Close".
    void onCloseRequest() override { close(); }

    // The creation, once the settings and the exclusions are loaded: the window (hidden), the
    // banner's processor name, and the exclusion page that the exclusion mode brings to the
    // front. Throws when the window cannot be created.
    void onCreate();

    // The view redraws from the model after this; it is told after every change the model
    // makes on its own (a page shown, a list rebuilt). Empty: no view listens.
    // A reaction of the view to the user, under the program's error hook.
    void react(const std::function<void()>& reaction) { links_.runReaction(reaction); }
    void setChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }
    // The engine's lists the pages show, and the image list of their icons.
    const engine::EngineState& engineState() { return links_.engine.state(); }

    // Shown (the start unless silent, "&Open main window"): the visible-window list is rebuilt,
    // and with no page yet the welcome page is the one shown.
    void show();
    // The close box and "Close": hidden, and the settings written.
    void close();
    bool visible() const { return visible_; }

    // A navigation entry: its page comes to the front; "Windows that anyone can see" rebuilds
    // the visible-window list, and only it does.
    void navigate(MainPage page);
    std::optional<MainPage> activePage() const { return activePage_; }
    // The menu image: the pane closes to its icons (50 pixels) or opens (300 pixels); the
    // entries change pages either way.
    void toggleNavigationPane() {
        navigationOpen_ = !navigationOpen_;
        notifyChanged();
    }
    bool navigationOpen() const { return navigationOpen_; }
    int navigationWidth() const { return navigationOpen_ ? 300 : 50; }

    // The welcome page's document as it was when the page was last shown (and at the creation).
    const WelcomeDocument& welcomeDocument() const { return welcome_; }
    // How often the page has opened its document (at the creation, then each time it is
    // shown): a view that shows the document itself opens it again when this changes.
    std::uint32_t welcomeOpenings() const { return welcomeOpenings_; }

    // The engine's lists changed behind the window's back (a hotkey hid or brought back
    // windows): a window on the screen shows them as they are now.
    void onListsChanged() {
        if (visible_) notifyChanged();
    }

    // The banner: "CPU: " and the processor's name as Windows reports it.
    const std::string& processorBanner() const { return processorBanner_; }

    // Hidden windows page: "Show selected window" and "Show all windows" ask for the password
    // first while it guards the hidden windows.
    void showSelectedHiddenWindow();
    void showAllHiddenWindows();

    // Setup page.
    void chooseAction(std::int32_t action) { links_.options.action = action; }
    void changeHotkeys();
    // The decoy's field: with text the check box is enabled; emptied, it is unchecked and
    // disabled.
    void setDecoyProgram(std::string path);
    bool decoyCheckBoxEnabled() const { return !links_.options.decoyProgram.empty(); }

    // "Browse": the file dialog; a picked file becomes the decoy, as if typed.
    void browseForDecoy();

    // A check box of the Options or Setup page. The decoy's check box takes no check while its
    // field is empty.
    void setOption(bool settings::Options::*option, bool checked);
    bool checkBoxEnabled(bool settings::Options::*option) const {
        return option != &settings::Options::useDecoy || decoyCheckBoxEnabled();
    }

    // Options page: "Manage...".
    void manageUnhidePassword();
    // The theme list: the entry of the stored index, nullopt when it lies outside the list. A
    // pick is kept for the settings; the look itself does not change yet.
    std::optional<std::size_t> selectedTheme() const;
    void chooseTheme(std::size_t index);
    // The language list: English until the user picks another; the texts do not change yet.
    std::size_t selectedLanguage() const { return language_; }
    void chooseLanguage(std::size_t index);
    // The transparency slider, 0 to kMaxPanicTransparency: the panic button's opacity follows at
    // once (before the panic button exists only the slider moves).
    std::int32_t panicButtonTransparency() const { return links_.options.panicButtonTransparency; }
    void setPanicButtonTransparency(std::int32_t value);
    // The button beside the slider: "Hide" while the panic button is on the screen, else "Show".
    // Its click goes by the caption: "Show" shows the panic button, any other hides it.
    std::string_view panicButtonToggleCaption() const;
    void togglePanicButton();
    // The panic button, once it exists; its showing and hiding change the caption above.
    void connectPanicButton(PanicButtonWindow& panicButton) { panicButton_ = &panicButton; }
    void panicButtonShownOrHidden() { notifyChanged(); }
    // Windows came back by another way than this window's (the panic button's menu).
    void hiddenWindowsChanged() { notifyChanged(); }

    // The context menu of a list, as it opens under the right mouse button or the keyboard's
    // menu key: the hidden-window list and the application exclusions share one menu, whose
    // entries for the other list are disabled.
    std::vector<ContextMenuEntry> openContextMenu(MainList list);
    // An entry of it chosen: "Show selected window" and "Show all windows" ask for the password
    // first while it guards the hidden windows, as the page's buttons do.
    void runContextCommand(ContextCommand command);

    settings::Options& options() { return links_.options; }
    ExclusionPageModel& exclusionPage() { return exclusionPage_; }
    HiddenWindowsPageModel& hiddenWindowsPage() { return hiddenWindowsPage_; }
    const SharedContextMenu& contextMenu() const { return contextMenu_; }

private:
    void refreshVisibleWindows();
    void loadWelcomeDocument();
    void notifyChanged() {
        if (changed_) changed_();
    }

    MainWindowLinks links_;
    SharedContextMenu contextMenu_;
    ExclusionPageModel exclusionPage_;
    HiddenWindowsPageModel hiddenWindowsPage_;
    bool visible_ = false;
    bool navigationOpen_ = true;
    std::optional<MainPage> activePage_;
    std::size_t language_ = 0;
    std::string processorBanner_ = "CPU: ";
    WelcomeDocument welcome_;
    std::uint32_t welcomeOpenings_ = 0;
    std::function<void()> changed_;
    PanicButtonWindow* panicButton_ = nullptr;
};

}  // namespace umbrix::ui
