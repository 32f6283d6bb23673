#include "hotkeys/HotkeyComponents.hpp"

#include "hotkeys/RegistrationFailure.hpp"

namespace umbrix::hotkeys {

HotkeyComponents::HotkeyComponents(platform::HotkeyPort& port, platform::DialogPort& dialogs,
                                   HotkeyIdentifiers& identifiers, HotkeyRouter& router, const HotkeyText& text)
    : window_(port),
      customHide(port, identifiers, router, window_.get(), kCustomHideInitial),
      customUnhide(port, identifiers, router, window_.get(), kCustomUnhideInitial),
      exitStealth(port, identifiers, router, window_.get(), kExitStealthHotkey),
      dialogs_(dialogs),
      text_(text) {
    auto reportFailure = [this](GlobalHotkey&, KeyCombination& hotkey) {
        showRegistrationFailure(dialogs_, text_, hotkey, messageOwner);
    };
    customHide.OnHotkeyRegisterFailed = reportFailure;
    customUnhide.OnHotkeyRegisterFailed = reportFailure;
    // The exit-stealth hotkey has no failure report: taken by another program, it is simply inactive.
    exitStealth.SetActive(true);
}

void HotkeyComponents::connect(GlobalHotkey& component, HotkeyComponentDispatcher& dispatcher) {
    component.OnHotkey = [this, &dispatcher](GlobalHotkey& sender) {
        dispatcher.dispatchComponentHotkey(senderOf(sender));
    };
}

void HotkeyComponents::BindAtCreation(settings::Options& options, HotkeyComponentDispatcher& dispatcher) {
    if (!options.useDefaultHotkeys) {
        customHideKeys = text_.ParseHotkeyText(options.hideHotkeyText);
        connect(customHide, dispatcher);
        customHide.SetHotkey(customHideKeys);
        customHide.SetActive(true);

        customUnhideKeys = text_.ParseHotkeyText(options.unhideHotkeyText);
        connect(customUnhide, dispatcher);
        customUnhide.SetHotkey(customUnhideKeys);
        customUnhide.SetActive(true);

        options.hideHotkeyText = text_.FormatHotkeyText(customHide.Hotkey());
        options.unhideHotkeyText = text_.FormatHotkeyText(customUnhide.Hotkey());
    }
    htStealth = exitStealth.Hotkey();
    connect(exitStealth, dispatcher);
    exitStealth.SetActive(true);
}

ActivationSender HotkeyComponents::senderOf(const GlobalHotkey& component) const {
    if (&component == &customHide) return ActivationSender::CustomHide;
    if (&component == &customUnhide) return ActivationSender::CustomUnhide;
    if (&component == &exitStealth) return ActivationSender::ExitStealth;
    return ActivationSender::None;
}

}  // namespace umbrix::hotkeys
