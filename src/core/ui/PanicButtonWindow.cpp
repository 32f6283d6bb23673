#include "ui/PanicButtonWindow.hpp"

#include <algorithm>
#include <stdexcept>

#include "common/MenuItem.hpp"
#include "ui/InputBox.hpp"

namespace umbrix::ui {

namespace {
platform::ScreenRect rectOf(const platform::WindowBounds& bounds) {
    return {bounds.x, bounds.y, bounds.x + bounds.width, bounds.y + bounds.height};
}

// A window stored on a monitor that has been unplugged since would stay out of reach: it goes to
// the top-left corner of the primary monitor's work area instead. A window on any monitor, even in
// part, stays where the user put it. Without a monitor list nothing is known, and nothing moves.
platform::WindowBounds mendedPlace(platform::WindowBounds bounds, const std::vector<platform::Monitor>& monitors) {
    if (bounds.width <= 0 || bounds.height <= 0) {
        bounds.width = kPanicDefaultWidth;
        bounds.height = kPanicDefaultHeight;
    }
    if (monitors.empty()) return bounds;
    const platform::ScreenRect window = rectOf(bounds);
    if (std::ranges::any_of(monitors, [&](const platform::Monitor& m) { return m.area.intersects(window); }))
        return bounds;
    const auto primary = std::ranges::find_if(monitors, &platform::Monitor::primary);
    const platform::Monitor& home = primary != monitors.end() ? *primary : monitors.front();
    bounds.x = home.workArea.left;
    bounds.y = home.workArea.top;
    return bounds;
}
}  // namespace

std::uint8_t panicButtonOpacity(std::int32_t sliderPosition) {
    const std::int32_t position = std::clamp<std::int32_t>(sliderPosition, 0, 10);
    // 25.5 per step, in tenths so that no floating point rounds a step the wrong way.
    return static_cast<std::uint8_t>(255 - (position * 255) / 10);
}

PanicButtonWindow::PanicButtonWindow(PanicButtonLinks links) : links_(std::move(links)) {}

platform::WindowBounds PanicButtonWindow::bounds() const {
    const settings::Options& o = links_.options;
    return {o.panicLeft, o.panicTop, o.panicWidth, o.panicHeight};
}

void PanicButtonWindow::onCreate() {
    if (created_) throw std::logic_error("the panic button exists already");
    const platform::WindowBounds place = mendedPlace(bounds(), links_.system.monitors());
    settings::Options& o = links_.options;
    o.panicLeft = place.x;
    o.panicTop = place.y;
    o.panicWidth = place.width;
    o.panicHeight = place.height;
    links_.windows.openWindow(*this);
    created_ = true;
    links_.windows.placeWindow(*this, place);
    applyOpacity();
    show();
}

void PanicButtonWindow::show() {
    if (!created_) return;
    links_.windows.showWindow(*this, platform::WindowShow::NoActivate);
    visible_ = true;
    if (links_.shownOrHidden) links_.shownOrHidden();
}

void PanicButtonWindow::hide() {
    trayEntryChecked_ = false;
    if (!created_) return;
    visible_ = false;
    links_.windows.hideWindow(*this);
    if (links_.shownOrHidden) links_.shownOrHidden();
}

void PanicButtonWindow::applyOpacity() {
    opacity_ = panicButtonOpacity(links_.options.panicButtonTransparency);
    if (created_) links_.windows.setWindowOpacity(*this, opacity_);
}

void PanicButtonWindow::press() {
    react([this] {
        if (links_.options.alwaysHidePanicButton) hide();
        links_.activate();
    });
}

std::vector<platform::MenuEntry> PanicButtonWindow::menuEntries() const {
    platform::MenuEntry open = menuItem(PanicMenuCommand::OpenMainWindow, "Open main window");
    open.isDefault = true;
    open.enabled = links_.mainWindowMayOpen();
    platform::MenuEntry resize = menuItem(PanicMenuCommand::Resize, "Resize");
    resize.checked = resizeChecked_;
    platform::MenuEntry move = menuItem(PanicMenuCommand::MoveOrResize, "Move or Resize");
    move.checked = moveOrResizeChecked_;
    platform::MenuEntry panicButton;
    panicButton.caption = "Panic Button";
    panicButton.submenu = {menuItem(PanicMenuCommand::ChangeLabel, "Change label "), resize, move};
    return {open,
            platform::MenuEntry{},
            panicButton,
            menuItem(PanicMenuCommand::Hide, "Hide the Panic button"),
            platform::MenuEntry{},
            menuItem(PanicMenuCommand::RestoreHiddenWindows, "Restore hidden windows"),
            platform::MenuEntry{},
            menuItem(PanicMenuCommand::CloseProgram, "Close Umbrix")};
}

void PanicButtonWindow::openMenu() {
    react([this] {
        const std::uint32_t chosen = links_.windows.showPopupMenu(menuEntries());
        if (chosen != 0) carryOut(static_cast<PanicMenuCommand>(chosen));
    });
}

void PanicButtonWindow::carryOut(PanicMenuCommand command) {
    switch (command) {
        case PanicMenuCommand::OpenMainWindow: return links_.openMainWindow();
        case PanicMenuCommand::ChangeLabel: return changeLabel();
        case PanicMenuCommand::Resize: return toggleSizingMark(resizeChecked_);
        case PanicMenuCommand::MoveOrResize: return toggleSizingMark(moveOrResizeChecked_);
        case PanicMenuCommand::Hide: return hide();
        case PanicMenuCommand::RestoreHiddenWindows: return restoreHiddenWindows();
        case PanicMenuCommand::CloseProgram: return links_.closeProgram();
    }
}

void PanicButtonWindow::changeLabel() {
    // A cancelled box answers its preset, which then becomes the label.
    links_.options.panicButtonLabel = askForText(links_.dialogs, std::string(kPanicLabelBoxCaption),
                                                 std::string(kPanicLabelBoxPrompt), std::string(kPanicLabelBoxPreset));
    notifyChanged();
}

void PanicButtonWindow::toggleSizingMark(bool& mark) {
    mark = !mark;
    setSizingBorder(mark);
}

void PanicButtonWindow::setSizingBorder(bool shown) {
    sizingBorder_ = shown;
    links_.windows.setSizingBorder(*this, shown);
}

void PanicButtonWindow::onMovedOrSized(const platform::WindowBounds& moved) {
    react([this, moved] {
        settings::Options& o = links_.options;
        o.panicLeft = moved.x;
        o.panicTop = moved.y;
        o.panicWidth = moved.width;
        o.panicHeight = moved.height;
        resizeChecked_ = moveOrResizeChecked_ = false;
        setSizingBorder(false);
    });
}

void PanicButtonWindow::restoreHiddenWindows() {
    if (!links_.hasHiddenWindows()) return;
    if (!links_.unlockHiddenWindows()) return;
    links_.restoreHiddenWindows();
}

void PanicButtonWindow::toggleFromTrayMenu() {
    const bool checked = !trayEntryChecked_;
    if (checked) {
        show();
    } else {
        hide();
    }
    trayEntryChecked_ = checked;
}

}  // namespace umbrix::ui
