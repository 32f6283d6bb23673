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
    exitStealth.setActive(true);
}

void HotkeyComponents::connect(GlobalHotkey& component) {
    component.OnHotkey = [this](GlobalHotkey& sender) {
        if (dispatcher_) dispatcher_->dispatchComponentHotkey(senderOf(sender));
    };
}

void HotkeyComponents::bindAtCreation(settings::Options& options, HotkeyComponentDispatcher& dispatcher) {
    dispatcher_ = &dispatcher;
    if (!options.useDefaultHotkeys) {
        customHideKeys = text_.parseHotkeyText(options.hideHotkeyText);
        connect(customHide);
        customHide.setHotkey(customHideKeys);
        customHide.setActive(true);

        customUnhideKeys = text_.parseHotkeyText(options.unhideHotkeyText);
        connect(customUnhide);
        customUnhide.setHotkey(customUnhideKeys);
        customUnhide.setActive(true);

        options.hideHotkeyText = text_.formatHotkeyText(customHide.hotkey());
        options.unhideHotkeyText = text_.formatHotkeyText(customUnhide.hotkey());
    }
    htStealth = exitStealth.hotkey();
    connect(exitStealth);
    exitStealth.setActive(true);
}

ActivationSender HotkeyComponents::senderOf(const GlobalHotkey& component) const {
    if (&component == &customHide) return ActivationSender::CustomHide;
    if (&component == &customUnhide) return ActivationSender::CustomUnhide;
    if (&component == &exitStealth) return ActivationSender::ExitStealth;
    return ActivationSender::None;
}

}  // namespace umbrix::hotkeys
