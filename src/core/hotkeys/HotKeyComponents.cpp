#include "hotkeys/HotKeyComponents.hpp"

#include "hotkeys/RegistrationFailure.hpp"

namespace umbrix::hotkeys {

HotKeyComponents::HotKeyComponents(platform::HotkeyPort& port, platform::DialogPort& dialogs,
                                   HotKeyIdentifiers& identifiers, HotKeyRouter& router, const HotKeyText& text)
    : window_(port),
      jvAppHkHide(port, identifiers, router, window_.get(), kCustomHideInitial),
      jvAppHkUnHide(port, identifiers, router, window_.get(), kCustomUnhideInitial),
      hkStealth(port, identifiers, router, window_.get(), kExitStealthHotKey),
      dialogs_(dialogs),
      text_(text) {
    auto reportFailure = [this](TApplicationHotKey&, TShortCut& hotKey) {
        showRegistrationFailure(dialogs_, text_, hotKey, messageOwner);
    };
    jvAppHkHide.OnHotKeyRegisterFailed = reportFailure;
    jvAppHkUnHide.OnHotKeyRegisterFailed = reportFailure;
    // The exit-stealth hotkey has no failure report: taken by another program, it is simply inactive.
    hkStealth.SetActive(true);
}

void HotKeyComponents::connect(TApplicationHotKey& component, HotKeyComponentDispatcher& dispatcher) {
    component.OnHotKey = [this, &dispatcher](TApplicationHotKey& sender) { dispatcher.DoHotKey(senderOf(sender)); };
}

void HotKeyComponents::BindAtCreation(HotKeyFields& fields, HotKeyComponentDispatcher& dispatcher) {
    if (!fields.UseDefaultKeys) {
        hkHide = text_.ParseHotKeyText(fields.edHide);
        connect(jvAppHkHide, dispatcher);
        jvAppHkHide.SetHotKey(hkHide);
        jvAppHkHide.SetActive(true);

        hkUnHide = text_.ParseHotKeyText(fields.edUnHide);
        connect(jvAppHkUnHide, dispatcher);
        jvAppHkUnHide.SetHotKey(hkUnHide);
        jvAppHkUnHide.SetActive(true);

        fields.edHide = text_.FormatHotKeyText(jvAppHkHide.HotKey());
        fields.edUnHide = text_.FormatHotKeyText(jvAppHkUnHide.HotKey());
    }
    htStealth = hkStealth.HotKey();
    connect(hkStealth, dispatcher);
    hkStealth.SetActive(true);
}

ActivationSender HotKeyComponents::senderOf(const TApplicationHotKey& component) const {
    if (&component == &jvAppHkHide) return ActivationSender::CustomHide;
    if (&component == &jvAppHkUnHide) return ActivationSender::CustomUnhide;
    if (&component == &hkStealth) return ActivationSender::ExitStealth;
    return ActivationSender::None;
}

}  // namespace umbrix::hotkeys
