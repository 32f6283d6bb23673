#pragma once
// The three hotkey components of the hotkey setup dialog HotkeySetupDialog, registered on the dialog's
// own hotkey window, and the binding its creation makes: in custom mode the stored hide and
// unhide texts become live hotkeys, and in both modes the exit-stealth hotkey is live. The
// dialog's own controls and buttons build on this.
#include <string>

#include "hotkeys/ActivationDispatch.hpp"
#include "hotkeys/GlobalHotkey.hpp"
#include "hotkeys/HotkeyText.hpp"
#include "hotkeys/OwnedHotkeyWindow.hpp"
#include "platform/DialogPort.hpp"
#include "settings/Options.hpp"

namespace umbrix::hotkeys {

class HotkeyComponents {
    // Declared first: the window exists before the components and goes after them.
    OwnedHotkeyWindow window_;

public:
    // Creates the components; the exit-stealth one is active from here on.
    HotkeyComponents(platform::HotkeyPort& port, platform::DialogPort& dialogs, HotkeyIdentifiers& identifiers,
                     HotkeyRouter& router, const HotkeyText& text);
    HotkeyComponents(const HotkeyComponents&) = delete;
    HotkeyComponents& operator=(const HotkeyComponents&) = delete;

    // The creation binding. Custom mode: each stored text is parsed into its key field and its
    // component, which is activated (a failure shows the component's error box); the texts are
    // then written back in canonical form, so one that did not parse becomes empty. Both modes:
    // the exit-stealth key field shows its component's code, and the component is activated.
    // Every component's OnHotkey goes to the dispatcher's dispatchComponentHotkey.
    void bindAtCreation(settings::Options& options, HotkeyComponentDispatcher& dispatcher);

    // The component's OnHotkey goes to the dispatcher the creation binding was given; before
    // that binding there is none, and a press of the component does nothing.
    void connect(GlobalHotkey& component);

    ActivationSender senderOf(const GlobalHotkey& component) const;
    platform::HotkeyWindow window() const { return window_.get(); }

    // The dialog's key fields (hotkey controls).
    KeyCombination customHideKeys = kCustomHideInitial;
    KeyCombination customUnhideKeys = kCustomUnhideInitial;
    KeyCombination htStealth = kExitStealthHotkey;

    GlobalHotkey customHide;
    GlobalHotkey customUnhide;
    GlobalHotkey exitStealth;

    // The owner of the components' error boxes: the dialog while it is shown, else none.
    const platform::ModalWindow* messageOwner = nullptr;

private:
    platform::DialogPort& dialogs_;
    const HotkeyText& text_;
    HotkeyComponentDispatcher* dispatcher_ = nullptr;
};

}  // namespace umbrix::hotkeys
