#pragma once
#include "ui/HotkeySetupDialog.hpp"
#include "views/ModalDialogView.hpp"

namespace umbrix::win32 {

// HotkeySetupDialog on screen: a fixed dialog frame centred on the screen, three rows of a label,
// a Windows hotkey control and a "Test it!!" link, and "Apply", "Default" and "Close".
class HotkeySetupView final : public ModalDialogView {
public:
    HotkeySetupView(ui::HotkeySetupDialog& dialog, ErrorHandler onError);

protected:
    void onInit() override;
    bool onCommand(int id) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void layOut();
    void showKeys();
    void takeKeys();
    hotkeys::KeyCombination keysIn(int controlId) const;
    void showKeysIn(int controlId, hotkeys::KeyCombination keys);

    ui::HotkeySetupDialog& form_;
};

}  // namespace umbrix::win32
