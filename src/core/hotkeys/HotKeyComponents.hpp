#pragma once
// The three hotkey components of the hotkey setup dialog THotKey_f, registered on the dialog's
// own hotkey window, and the binding its creation makes: in custom mode the stored hide and
// unhide texts become live hotkeys, and in both modes the exit-stealth hotkey is live. The
// dialog's own controls and buttons build on this.
#include <string>

#include "hotkeys/ActivationDispatch.hpp"
#include "hotkeys/ApplicationHotKey.hpp"
#include "hotkeys/HotKeyText.hpp"
#include "hotkeys/OwnedHotkeyWindow.hpp"
#include "platform/DialogPort.hpp"

namespace umbrix::hotkeys {

// The main window's hotkey fields that the binding reads and writes (settings "Defaults",
// "HkHide" and "hkUnHide").
struct HotKeyFields {
    bool UseDefaultKeys = true;
    std::string edHide{kDefaultHideText};
    std::string edUnHide{kDefaultUnhideText};
};

class HotKeyComponents {
    // Declared first: the window exists before the components and goes after them.
    OwnedHotkeyWindow window_;

public:
    // Creates the components; the exit-stealth one is active from here on.
    HotKeyComponents(platform::HotkeyPort& port, platform::DialogPort& dialogs, HotKeyIdentifiers& identifiers,
                     HotKeyRouter& router, const HotKeyText& text);
    HotKeyComponents(const HotKeyComponents&) = delete;
    HotKeyComponents& operator=(const HotKeyComponents&) = delete;

    // The creation binding. Custom mode: each stored text is parsed into its key field and its
    // component, which is activated (a failure shows the component's error box); the texts are
    // then written back in canonical form, so one that did not parse becomes empty. Both modes:
    // the exit-stealth key field shows its component's code, and the component is activated.
    // Every component's OnHotKey goes to the dispatcher's DoHotKey.
    void BindAtCreation(HotKeyFields& fields, HotKeyComponentDispatcher& dispatcher);

    ActivationSender senderOf(const TApplicationHotKey& component) const;
    platform::HotkeyWindow window() const { return window_.get(); }

    // The dialog's key fields (hotkey controls).
    TShortCut hkHide = kCustomHideInitial;
    TShortCut hkUnHide = kCustomUnhideInitial;
    TShortCut htStealth = kExitStealthHotKey;

    TApplicationHotKey jvAppHkHide;
    TApplicationHotKey jvAppHkUnHide;
    TApplicationHotKey hkStealth;

    // The owner of the components' error boxes: the dialog while it is shown, else none.
    const platform::ModalWindow* messageOwner = nullptr;

private:
    void connect(TApplicationHotKey& component, HotKeyComponentDispatcher& dispatcher);

    platform::DialogPort& dialogs_;
    const HotKeyText& text_;
};

}  // namespace umbrix::hotkeys
