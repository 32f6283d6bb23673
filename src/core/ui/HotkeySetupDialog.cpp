#include "ui/HotkeySetupDialog.hpp"

namespace umbrix::ui {

using hotkeys::GlobalHotkey;
using hotkeys::KeyCombination;
using platform::MessageBoxIcon;
using platform::ModalResult;

HotkeySetupDialog::HotkeySetupDialog(platform::HotkeyPort& port, platform::DialogPort& dialogs,
                                     hotkeys::HotkeyIdentifiers& identifiers, hotkeys::HotkeyRouter& router,
                                     const hotkeys::HotkeyText& text, settings::Options& options)
    : dialogs_(dialogs), text_(text), options_(options), components_(port, dialogs, identifiers, router, text) {}

void HotkeySetupDialog::bindAtCreation(hotkeys::HotkeyComponentDispatcher& dispatcher) {
    components_.bindAtCreation(options_, dispatcher);
}

bool HotkeySetupDialog::assign(GlobalHotkey& component, KeyCombination keys) {
    // Released before the new key is stored, so a key that cannot be registered is tried (and
    // its error box shown) once, not once by the change and again by the activation.
    if (component.hotkey() != keys) {
        component.setActive(false);
        component.setHotkey(keys);
    }
    component.setActive(true);
    components_.connect(component);
    return component.active();
}

void HotkeySetupDialog::testHideKey() {
    options_.useDefaultHotkeys = false;
    GlobalHotkey& hide = components_.customHide;
    if (assign(hide, hideKeys())) {
        options_.hideHotkeyText = text_.formatHotkeyText(hide.hotkey());
        reportSuccess(hide.hotkey());
    } else {
        reportUnavailable(hideKeys(), Advice::UseDefault);
        returnToDefaultKeys();
    }
    testedHide_ = true;
}

void HotkeySetupDialog::testUnhideKey() {
    GlobalHotkey& unhide = components_.customUnhide;
    const bool live = assign(unhide, unhideKeys());
    options_.useDefaultHotkeys = false;
    if (live) {
        options_.unhideHotkeyText = text_.formatHotkeyText(unhide.hotkey());
        reportSuccess(unhide.hotkey());
    } else {
        reportUnavailable(unhideKeys(), Advice::UsingDefault);
        returnToDefaultKeys();
    }
    testedUnhide_ = true;
}

void HotkeySetupDialog::testExitStealthKey() {
    // The field is not applied: the exit-stealth key stays what it is. An active component stays
    // as it is; an inactive one tries its registration again.
    GlobalHotkey& exitStealth = components_.exitStealth;
    exitStealth.setActive(true);
    components_.connect(exitStealth);
    if (exitStealth.active()) {
        reportSuccess(exitStealth.hotkey());
    } else {
        reportUnavailable(exitStealth.hotkey(), Advice::UsingDefault);
        testedUnhide_ = true;
        exitStealth.setActive(false);
    }
    testedExitStealth_ = true;
}

void HotkeySetupDialog::useDefaultKeys() {
    // The default set was never released, so it acts again at once.
    const settings::Options defaults;
    options_.useDefaultHotkeys = true;
    options_.hideHotkeyText = defaults.hideHotkeyText;
    options_.unhideHotkeyText = defaults.unhideHotkeyText;
    components_.customHide.setActive(false);
    components_.customUnhide.setActive(false);
}

void HotkeySetupDialog::returnToDefaultKeys() {
    // Nothing is left to test: the default keys need none.
    testedHide_ = true;
    testedUnhide_ = true;
    useDefaultKeys();
}

void HotkeySetupDialog::restoreDefaultKeys() {
    useDefaultKeys();
    close();
}

void HotkeySetupDialog::reportSuccess(KeyCombination keys) {
    message("Successfully assigned \"" + text_.formatHotkeyText(keys) + "\"", MessageBoxIcon::Information);
}

void HotkeySetupDialog::reportUnavailable(KeyCombination keys, Advice advice) {
    std::string text = "Newly assigned Hotkey \"" + text_.formatHotkeyText(keys) +
                       "\" is not available. Try a different combination. ";
    text += advice == Advice::UseDefault ? "If you are having problems use the \"Default\" option instead."
                                         : "Umbrix is using \"Default\" option instead.";
    message(std::move(text), MessageBoxIcon::Warning);
}

void HotkeySetupDialog::message(std::string text, MessageBoxIcon icon) {
    platform::MessageBoxRequest box;
    box.text = std::move(text);
    box.caption = "Umbrix";
    box.icon = icon;
    // Owned by the dialog while it is up, so the user answers the box before the dialog again.
    box.owner = isShowing() ? this : nullptr;
    dialogs_.messageBox(box);
}

void HotkeySetupDialog::onShow() {
    testedHide_ = false;
    testedUnhide_ = false;
    components_.messageOwner = this;
}

bool HotkeySetupDialog::onCloseQuery(ModalResult result) {
    if (result != ModalResult::Ok) return true;
    if (hideKeys() == unhideKeys()) {
        platform::MessageBoxRequest box;
        box.text = "Cannot assign same hotkeys for both events.";
        box.caption = "Umbrix";
        box.icon = MessageBoxIcon::Error;
        box.taskModal = true;
        box.owner = this;
        dialogs_.messageBox(box);
        return false;
    }
    if (testedHide_ && testedUnhide_ && testedExitStealth_) return true;
    message("Please test the assigned Hotkeys before continuing", MessageBoxIcon::Warning);
    return false;
}

void HotkeySetupDialog::onClosed(ModalResult) { components_.messageOwner = nullptr; }

}  // namespace umbrix::ui
