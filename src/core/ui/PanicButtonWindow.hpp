#pragma once
// PanicButtonWindow, the panic button: a small borderless window above all others holding one big
// button. A click does what the hide hotkey does (the configured action); its menu opens the main
// window, relabels, sizes and hides it, restores the hidden windows and ends the program. Its
// place, size and label are the settings model's ("PanicLeft", "PanicTop", "PanicWidth",
// "PanicHeight", "btnPanic"), in screen pixels; its opacity follows the main window's
// transparency slider. It is created at the start, shown, and lives until the program ends;
// closing it only hides it.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ApplicationPort.hpp"
#include "platform/DialogPort.hpp"
#include "platform/SystemPort.hpp"
#include "settings/Options.hpp"

namespace umbrix::ui {

// The window's opacity (0 transparent, 255 opaque) for a position of the transparency slider
// (0 to 10): 255 less the whole part of position times 25.5. Positions outside the slider are
// taken at its ends.
std::uint8_t panicButtonOpacity(std::int32_t sliderPosition);

// The input box of "Change label ".
inline constexpr std::string_view kPanicLabelBoxCaption = "Change Panic button description";
inline constexpr std::string_view kPanicLabelBoxPrompt = "Enter the new description in space provided";
inline constexpr std::string_view kPanicLabelBoxPreset = "Umbrix - Panic Button";

// The size a new panic window has, in pixels.
inline constexpr int kPanicDefaultWidth = 369;
inline constexpr int kPanicDefaultHeight = 80;

enum class PanicMenuCommand : std::uint32_t {
    OpenMainWindow = 1,  // "Open main window"
    ChangeLabel,  // "Change label "
    Resize,  // "Resize"
    MoveOrResize,  // "Move or Resize"
    Hide,  // "Hide the Panic button"
    RestoreHiddenWindows,  // "Restore hidden windows"
    CloseProgram,  // "Close Umbrix"
};

// What the panic window calls in the rest of the program.
struct PanicButtonLinks {
    // Shows the window and its menu: the Win32 view in the program, the sim in tests.
    platform::ApplicationPort& windows;
    platform::DialogPort& dialogs;  // the label's input box
    platform::SystemPort& system;  // the monitors
    settings::Options& options;
    // The configured action, as the hide hotkey would run it, with the panic window as sender.
    std::function<void()> activate;
    // "Restore hidden windows": whether any is hidden; the unlock prompt while the password
    // guards them (true when they may be shown); then all of them shown.
    std::function<bool()> hasHiddenWindows;
    std::function<bool()> unlockHiddenWindows;
    std::function<void()> restoreHiddenWindows;
    // The controller's "Open main window" and exit commands; the first is offered under the tray
    // menu's rule (not while the password guards hidden windows).
    std::function<bool()> mainWindowMayOpen;
    std::function<void()> openMainWindow;
    std::function<void()> closeProgram;
    // The window was shown or hidden: the main window's "Show"/"Hide" follows.
    std::function<void()> shownOrHidden;
    // Runs a reaction to the user under the program's error hook.
    std::function<void(const std::function<void()>&)> runReaction;
};

class PanicButtonWindow final : public platform::ModelessWindow {
public:
    explicit PanicButtonWindow(PanicButtonLinks links);

    std::string name() const override { return "panic button"; }
    // Empty: never in the window inventory, never a target of an action.
    std::string caption() const override { return {}; }
    // The stored place is the user's, on whichever monitor: screen pixels as they are.
    bool keepsScreenPixels() const override { return true; }

    // The creation, once "PanicLeft", "PanicTop", "PanicWidth", "PanicHeight" and "btnPanic" are
    // loaded: the window at its place (a place on no monitor now, or no size, is mended), at the
    // slider's opacity, shown. Throws when the window cannot be created.
    void onCreate();

    // Shown without taking the focus from the user's window; hidden with its place kept.
    void show();
    void hide();
    bool visible() const { return visible_; }
    // Its handle (`MyHandle`); WindowId{} before it exists.
    platform::WindowId handle() const { return links_.windows.windowHandle(*this); }
    // The outer rectangle in screen pixels, as the settings keep it.
    platform::WindowBounds bounds() const;
    const std::string& label() const { return links_.options.panicButtonLabel; }

    // The slider moved, or the window became active: the opacity follows the slider.
    void applyOpacity();
    std::uint8_t opacity() const { return opacity_; }

    // --- the user ---
    // A click on the button: hidden first with "Always hide the Panic Button", then the
    // configured action.
    void press();
    // A right click: the menu, and what the user chose in it.
    void openMenu();
    std::vector<platform::MenuEntry> menuEntries() const;
    void carryOut(PanicMenuCommand command);
    // The close request (Alt+F4) hides it.
    void onCloseRequest() override { hide(); }
    // The end of a drag: the new place is kept, the sizing border goes and both marks clear.
    void onMovedOrSized(const platform::WindowBounds& bounds) override;

    // "Resize" and "Move or Resize": each toggles its own mark, and the border with it.
    bool resizeChecked() const { return resizeChecked_; }
    bool moveOrResizeChecked() const { return moveOrResizeChecked_; }
    bool sizingBorderShown() const { return sizingBorder_; }

    // The tray's "Show Panic Button on the desktop": its mark starts cleared, follows its own
    // clicks and clears whenever the window hides; a show by other means does not set it.
    bool trayEntryChecked() const { return trayEntryChecked_; }
    void toggleFromTrayMenu();

    // The view redraws after a change the model makes (a new label). Empty: no view listens.
    void setChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }

private:
    void react(const std::function<void()>& reaction) { links_.runReaction(reaction); }
    void changeLabel();
    void toggleSizingMark(bool& mark);
    void restoreHiddenWindows();
    void setSizingBorder(bool shown);
    void notifyChanged() {
        if (changed_) changed_();
    }

    PanicButtonLinks links_;
    bool created_ = false;
    bool visible_ = false;
    bool resizeChecked_ = false;
    bool moveOrResizeChecked_ = false;
    bool sizingBorder_ = false;
    bool trayEntryChecked_ = false;
    std::uint8_t opacity_ = 255;
    std::function<void()> changed_;
};

}  // namespace umbrix::ui
