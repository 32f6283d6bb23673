#include "ui/main/HiddenWindowsPageModel.hpp"

#include "engine/HandleText.hpp"
#include "ui/main/MainWindowTexts.hpp"

namespace umbrix::ui {

HiddenWindowsPageModel::HiddenWindowsPageModel(engine::WindowEngine& engine, engine::EngineDialogs& dialogs,
                                               SharedContextMenu& menu)
    : engine_(engine), dialogs_(dialogs), menu_(menu) {}

void HiddenWindowsPageModel::selectHiddenWindow(std::size_t index) {
    selection_.select(engine_.state().hiddenWindows.entries(), index);
}

std::optional<std::size_t> HiddenWindowsPageModel::selectedHiddenWindow() const {
    return selection_.indexIn(engine_.state().hiddenWindows.entries());
}

std::optional<platform::WindowId> HiddenWindowsPageModel::selectedWindow() const {
    const engine::HiddenWindowList& hidden = engine_.state().hiddenWindows;
    const auto index = selection_.indexIn(hidden.entries());
    if (!index) return std::nullopt;
    return engine::windowFromHandleText(hidden[*index].handleText);
}

void HiddenWindowsPageModel::showSelectedHiddenWindow() {
    if (auto window = selectedWindow()) engine_.hiddenWindows().showHiddenWindow(*window);
}

void HiddenWindowsPageModel::showAllHiddenWindows() { engine_.hiddenWindows().showAllHiddenWindows(); }

void HiddenWindowsPageModel::closeSelectedHiddenWindow() {
    const auto window = selectedWindow();
    if (!window || !dialogs_.askYesNo(kCloseHiddenWindowQuestion, kConfirmCaption)) return;
    engine_.hiddenWindows().closeHiddenWindow(*window);
}

void HiddenWindowsPageModel::enableHiddenWindowCommands() {
    engine_.hiddenWindows().dropClosedWindows();
    menu_ = SharedContextMenu{.showSelectedWindow = true,
                              .showAllWindows = true,
                              .closeWindow = true,
                              .removeSelected = false,
                              .addApplication = false};
}

void HiddenWindowsPageModel::onListMouseDown(MouseButton button) {
    if (button == MouseButton::Right) enableHiddenWindowCommands();
}

void HiddenWindowsPageModel::onListMouseEnter() { enableHiddenWindowCommands(); }

}  // namespace umbrix::ui
