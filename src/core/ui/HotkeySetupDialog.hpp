#pragma once
// HotkeySetupDialog, "Umbrix 7": the user chooses the hide and unhide hotkeys, tries each one with
// its "Test it!!" link, or goes back to the default keys. A key takes effect the moment its test
// succeeds; "Apply" only checks the choices and closes. The dialog exists from start-up to the
// end of the program and owns the custom and exit-stealth hotkey components, so those keys work
// whether it is shown or not.
//
// Every hide or unhide test switches to the custom keys ("Defaults" off) and a failed one back to
// the default keys; "Default" does the same without a test. The main window's hotkey texts
// ("HkHide", "hkUnHide") follow, written with the other settings.
#include <string>

#include "hotkeys/HotkeyComponents.hpp"
#include "platform/DialogPort.hpp"
#include "platform/HotkeyPort.hpp"
#include "settings/Options.hpp"

namespace umbrix::ui {

class HotkeySetupDialog final : public platform::ModalWindow {
public:
    // Creates the components (the exit-stealth one active from here on); the creation binding
    // of the stored keys is bindAtCreation, once the dispatcher exists.
    HotkeySetupDialog(platform::HotkeyPort& port, platform::DialogPort& dialogs,
                      hotkeys::HotkeyIdentifiers& identifiers, hotkeys::HotkeyRouter& router,
                      const hotkeys::HotkeyText& text, settings::Options& options);

    std::string caption() const override { return "Umbrix 7"; }
    // Opened from the start when no other window of the program is there yet.
    bool ownedByController() const override { return true; }

    // The stored custom keys become live (custom mode) and the exit-stealth key is bound; every
    // component's press goes to `dispatcher`.
    void bindAtCreation(hotkeys::HotkeyComponentDispatcher& dispatcher);

    // The key fields, as the user typed them; they keep their keys from one opening to the next.
    // The exit-stealth field is shown but never applied: that key is always Shift+Alt+Backspace.
    hotkeys::KeyCombination& hideKeys() { return components_.customHideKeys; }
    hotkeys::KeyCombination& unhideKeys() { return components_.customUnhideKeys; }
    hotkeys::KeyCombination& exitStealthKeys() { return components_.htStealth; }

    // The three "Test it!!" links.
    void testHideKey();
    void testUnhideKey();
    void testExitStealthKey();
    // "Apply": closes once the hide and unhide keys differ and every key has been tested.
    void apply() { requestClose(platform::ModalResult::Ok); }
    // "Default": back to Ctrl+Space and Ctrl+Backspace, and closes without the checks of "Apply".
    void restoreDefaultKeys();
    // "Close" (and the close box): closes without checks; keys tested so far stay live.
    void closeChosen() { close(); }

    // Which keys were tested: hide and unhide since the dialog was last shown, the exit-stealth
    // key at any time in this run.
    bool hideTested() const { return testedHide_; }
    bool unhideTested() const { return testedUnhide_; }
    bool exitStealthTested() const { return testedExitStealth_; }

    hotkeys::HotkeyComponents& components() { return components_; }

protected:
    void onShow() override;
    bool onCloseQuery(platform::ModalResult result) override;
    void onClosed(platform::ModalResult result) override;

private:
    enum class Advice { UseDefault, UsingDefault };
    // Gives the field's key to the component and activates it; true when it is live.
    bool assign(hotkeys::GlobalHotkey& component, hotkeys::KeyCombination keys);
    void useDefaultKeys();
    // After a failed test.
    void returnToDefaultKeys();
    void reportSuccess(hotkeys::KeyCombination keys);
    void reportUnavailable(hotkeys::KeyCombination keys, Advice advice);
    void message(std::string text, platform::MessageBoxIcon icon);

    platform::DialogPort& dialogs_;
    const hotkeys::HotkeyText& text_;
    settings::Options& options_;
    hotkeys::HotkeyComponents components_;
    bool testedHide_ = false;
    bool testedUnhide_ = false;
    bool testedExitStealth_ = false;
};

}  // namespace umbrix::ui
