#include "views/HotkeySetupView.hpp"

#include <commctrl.h>

#include "views/HotkeySetupDialogIds.h"
#include "win32/ScreenPixels.hpp"

namespace umbrix::win32 {

namespace {

// The window's design, in pixels at 96 dots per inch.
constexpr int kClientWidth = 369;
constexpr int kClientHeight = 206;
constexpr int kMargin = 16;
constexpr int kHeadingTop = 12;
constexpr int kLineHeight = 20;
constexpr int kFirstRowTop = 44;
constexpr int kRowPitch = 38;
constexpr int kLabelWidth = 110;
constexpr int kKeysLeft = 130;
constexpr int kKeysWidth = 170;
constexpr int kKeysHeight = 23;
constexpr int kLinkLeft = 310;
constexpr int kLinkRightMargin = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 8;
constexpr int kButtonBottomMargin = 14;

struct Row {
    int label;
    int keys;
    int link;
};
constexpr Row kRows[] = {
    {IDC_HIDE_LABEL, IDC_HIDE_KEYS, IDC_TEST_HIDE},
    {IDC_UNHIDE_LABEL, IDC_UNHIDE_KEYS, IDC_TEST_UNHIDE},
    {IDC_EXIT_STEALTH_LABEL, IDC_EXIT_STEALTH_KEYS, IDC_TEST_EXIT_STEALTH},
};

// A hotkey control holds the virtual key in its low byte and HOTKEYF_ flags in its high byte;
// the program's key combinations hold Shift, Ctrl and Alt in bits 13 to 15.
hotkeys::KeyCombination fromControl(WORD value) {
    const BYTE flags = HIBYTE(value);
    hotkeys::KeyCombination keys = LOBYTE(value);
    if (flags & HOTKEYF_SHIFT) keys |= hotkeys::kShiftBit;
    if (flags & HOTKEYF_CONTROL) keys |= hotkeys::kCtrlBit;
    if (flags & HOTKEYF_ALT) keys |= hotkeys::kAltBit;
    return keys;
}

WORD toControl(hotkeys::KeyCombination keys) {
    BYTE flags = 0;
    if (keys & hotkeys::kShiftBit) flags |= HOTKEYF_SHIFT;
    if (keys & hotkeys::kCtrlBit) flags |= HOTKEYF_CONTROL;
    if (keys & hotkeys::kAltBit) flags |= HOTKEYF_ALT;
    return MAKEWORD(hotkeys::virtualKeyOf(keys), flags);
}

}  // namespace

HotkeySetupView::HotkeySetupView(ui::HotkeySetupDialog& dialog, ErrorHandler onError)
    : ModalDialogView(dialog, IDD_HOTKEY_SETUP, std::move(onError)), form_(dialog) {
    // The template's hotkey controls and links are common controls, registered before it is built.
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_HOTKEY_CLASS | ICC_LINK_CLASS};
    InitCommonControlsEx(&classes);
}

hotkeys::KeyCombination HotkeySetupView::keysIn(int controlId) const {
    return fromControl(static_cast<WORD>(SendDlgItemMessageW(dialog_, controlId, HKM_GETHOTKEY, 0, 0)));
}

void HotkeySetupView::showKeysIn(int controlId, hotkeys::KeyCombination keys) {
    SendDlgItemMessageW(dialog_, controlId, HKM_SETHOTKEY, toControl(keys), 0);
}

void HotkeySetupView::showKeys() {
    showKeysIn(IDC_HIDE_KEYS, form_.hideKeys());
    showKeysIn(IDC_UNHIDE_KEYS, form_.unhideKeys());
    showKeysIn(IDC_EXIT_STEALTH_KEYS, form_.exitStealthKeys());
}

void HotkeySetupView::takeKeys() {
    form_.hideKeys() = keysIn(IDC_HIDE_KEYS);
    form_.unhideKeys() = keysIn(IDC_UNHIDE_KEYS);
    form_.exitStealthKeys() = keysIn(IDC_EXIT_STEALTH_KEYS);
}

void HotkeySetupView::onInit() {
    layOut();
    showKeys();
    SetFocus(GetDlgItem(dialog_, IDC_HIDE_KEYS));
}

// Dialog units follow the font; the window's design is in pixels, so the view places it.
void HotkeySetupView::layOut() {
    auto px = [this](int pixels) { return scaledPixels(dialog_, pixels); };
    const int width = px(kClientWidth);
    const int height = px(kClientHeight);
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog_, GWL_EXSTYLE)));
    centreOnScreen(dialog_, frame.right - frame.left, frame.bottom - frame.top);

    auto place = [this](int id, int left, int top, int w, int h) {
        MoveWindow(GetDlgItem(dialog_, id), left, top, w, h, FALSE);
    };
    place(IDC_HOTKEY_HEADING, px(kMargin), px(kHeadingTop), width - 2 * px(kMargin), px(kLineHeight));
    int rowTop = kFirstRowTop;
    for (const Row& row : kRows) {
        // The label and the link sit on the key field's text line.
        const int textTop = px(rowTop + (kKeysHeight - kLineHeight) / 2 + 2);
        place(row.label, px(kMargin), textTop, px(kLabelWidth), px(kLineHeight));
        place(row.keys, px(kKeysLeft), px(rowTop), px(kKeysWidth), px(kKeysHeight));
        place(row.link, px(kLinkLeft), textTop, width - px(kLinkLeft) - px(kLinkRightMargin), px(kLineHeight));
        rowTop += kRowPitch;
    }
    const int buttonTop = height - px(kButtonBottomMargin) - px(kButtonHeight);
    int buttonLeft = width - px(kMargin) - 3 * px(kButtonWidth) - 2 * px(kButtonGap);
    for (int id : {IDOK, IDC_DEFAULT_KEYS, IDCANCEL}) {
        place(id, buttonLeft, buttonTop, px(kButtonWidth), px(kButtonHeight));
        buttonLeft += px(kButtonWidth) + px(kButtonGap);
    }
}

bool HotkeySetupView::onCommand(int id) {
    switch (id) {
        case IDOK:
            takeKeys();
            form_.apply();
            return true;
        case IDC_DEFAULT_KEYS: form_.restoreDefaultKeys(); return true;
        case IDCANCEL: form_.closeChosen(); return true;  // "Close", Escape
        default: return false;
    }
}

bool HotkeySetupView::onMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_NOTIFY) return false;
    const auto* notice = reinterpret_cast<const NMHDR*>(lParam);
    if (notice->code != NM_CLICK && notice->code != NM_RETURN) return false;
    takeKeys();
    switch (notice->idFrom) {
        case IDC_TEST_HIDE: form_.testHideKey(); break;
        case IDC_TEST_UNHIDE: form_.testUnhideKey(); break;
        case IDC_TEST_EXIT_STEALTH: form_.testExitStealthKey(); break;
        default: return false;
    }
    showKeys();
    return true;
}

}  // namespace umbrix::win32
