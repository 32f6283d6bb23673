#pragma once
// The main window's exclusion page: the visible-window list beside the window exclusions and
// the application exclusions, their selections, the buttons between them, the page the
// exclusion mode brings to the front, and the shared context menu over the application list.
// It acts through the window engine's operations.
#include <cstddef>
#include <optional>
#include <string>

#include "engine/EngineLinks.hpp"
#include "engine/WindowEngine.hpp"
#include "ui/main/ListSelection.hpp"
#include "ui/main/SharedContextMenu.hpp"

namespace umbrix::ui {

class ExclusionPageModel {
public:
    ExclusionPageModel(engine::WindowEngine& engine, engine::EngineDialogs& dialogs, SharedContextMenu& menu);

    // The user selects the entry at `index` of a list as shown.
    void selectVisibleWindow(std::size_t index);
    void selectWindowExclusion(std::size_t index);
    void selectApplicationExclusion(std::size_t index);
    // Where the selected visible window is listed now; nullopt when none is.
    std::optional<std::size_t> selectedVisibleWindow() const;
    std::optional<std::size_t> selectedWindowExclusion() const;
    std::optional<std::size_t> selectedApplicationExclusion() const;

    // ">>": moves the selected visible window into the window exclusions and adds its
    // executable to the application exclusions unless it is there already.
    void excludeSelectedWindow();
    // "<<": gives the selected window exclusion back to the end of the visible-window list and
    // drops the first application exclusion of its executable.
    void removeSelectedWindowExclusion();
    // "Clear all": removes every window exclusion; the application exclusions stay.
    void clearWindowExclusions();
    // "Add application" > "Browse...": adds the executable chosen in the file dialog.
    void addApplicationExclusionFromFile();
    // "Remove selected": removes the selected application exclusion.
    void removeSelectedApplicationExclusion();
    // "Hide selected window" of the visible-window list.
    void hideSelectedWindow();

    // The shared context menu enables the application commands over the application list.
    void onApplicationListMouseDown(MouseButton button);
    void onApplicationListMouseEnter();

    // The exclusion mode changed: the page of its list comes to the front.
    void onExclusionModeChanged();
    // 0: the window exclusions, 1: the application exclusions.
    int activePage() const { return activePage_; }

private:
    void enableApplicationCommands();

    engine::WindowEngine& engine_;
    engine::EngineDialogs& dialogs_;
    SharedContextMenu& menu_;
    ListSelection<engine::WindowEntry, std::string> visibleSelection_{
        [](const engine::WindowEntry& entry) { return entry.handleText; }};
    ListSelection<engine::WindowExclusion, std::string> windowExclusionSelection_{
        [](const engine::WindowExclusion& entry) { return entry.handleText; }};
    ListSelection<engine::ApplicationExclusion, std::string> applicationSelection_{
        [](const engine::ApplicationExclusion& entry) { return entry.applicationPath; }};
    int activePage_ = 0;
};

}  // namespace umbrix::ui
