#include "ui/main/ExclusionPageModel.hpp"

#include "engine/HandleText.hpp"
#include "ui/main/MainWindowTexts.hpp"

namespace umbrix::ui {

ExclusionPageModel::ExclusionPageModel(engine::WindowEngine& engine, engine::EngineDialogs& dialogs,
                                       SharedContextMenu& menu)
    : engine_(engine), dialogs_(dialogs), menu_(menu) {}

void ExclusionPageModel::selectVisibleWindow(std::size_t index) {
    visibleSelection_.select(engine_.state().visibleWindows.entries(), index);
}

void ExclusionPageModel::selectWindowExclusion(std::size_t index) {
    windowExclusionSelection_.select(engine_.state().exclusions.windows.entries(), index);
}

void ExclusionPageModel::selectApplicationExclusion(std::size_t index) {
    applicationSelection_.select(engine_.state().exclusions.applications.entries(), index);
}

std::optional<std::size_t> ExclusionPageModel::selectedVisibleWindow() const {
    return visibleSelection_.indexIn(engine_.state().visibleWindows.entries());
}

std::optional<std::size_t> ExclusionPageModel::selectedWindowExclusion() const {
    return windowExclusionSelection_.indexIn(engine_.state().exclusions.windows.entries());
}

std::optional<std::size_t> ExclusionPageModel::selectedApplicationExclusion() const {
    return applicationSelection_.indexIn(engine_.state().exclusions.applications.entries());
}

void ExclusionPageModel::excludeSelectedWindow() {
    if (auto index = selectedVisibleWindow())
        engine_.exclusionCommands().excludeWindow(
            engine::windowFromHandleText(engine_.state().visibleWindows[*index].handleText));
}

void ExclusionPageModel::removeSelectedWindowExclusion() {
    if (auto index = windowExclusionSelection_.indexIn(engine_.state().exclusions.windows.entries()))
        engine_.exclusionCommands().removeWindowExclusion(*index);
}

void ExclusionPageModel::clearWindowExclusions() { engine_.exclusionCommands().clearWindowExclusions(); }

void ExclusionPageModel::addApplicationExclusionFromFile() {
    const auto file = dialogs_.browseForFile(
        engine::FileDialogRequest{kBrowseDialogTitle, kBrowseDialogFilter, kBrowseDialogDefaultExtension});
    if (file) engine_.exclusionCommands().addApplicationExclusion(*file);
}

void ExclusionPageModel::removeSelectedApplicationExclusion() {
    if (auto index = applicationSelection_.indexIn(engine_.state().exclusions.applications.entries()))
        engine_.exclusionCommands().removeApplicationExclusion(*index);
}

void ExclusionPageModel::hideSelectedWindow() {
    if (auto index = selectedVisibleWindow())
        engine_.actions().hideListedWindow(
            engine::windowFromHandleText(engine_.state().visibleWindows[*index].handleText));
}

void ExclusionPageModel::enableApplicationCommands() {
    menu_ = SharedContextMenu{.showSelectedWindow = false,
                              .showAllWindows = false,
                              .closeWindow = false,
                              .removeSelected = true,
                              .addApplication = true};
}

void ExclusionPageModel::onApplicationListMouseDown(MouseButton button) {
    if (button == MouseButton::Right) enableApplicationCommands();
}

void ExclusionPageModel::onApplicationListMouseEnter() { enableApplicationCommands(); }

void ExclusionPageModel::onExclusionModeChanged() { activePage_ = engine_.state().options.exclusionMode; }

}  // namespace umbrix::ui
