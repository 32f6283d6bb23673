#include "MessageBoxes.hpp"

#include <vector>

#include "Windows.hpp"

namespace wintool {

namespace {

std::wstring withoutAccelerator(std::wstring text) {
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

}  // namespace

std::optional<HWND> findMessageBox(const std::wstring& caption, DWORD processId) {
    WindowFilter filter{L"#32770", caption, processId, true};
    auto boxes = topLevelWindows(filter);
    if (boxes.empty()) return std::nullopt;
    return boxes.front().handle;
}

std::wstring messageBoxText(HWND box) {
    for (HWND child : childWindows(box)) {
        if (lstrcmpiW(windowClass(child).c_str(), L"Static") != 0) continue;
        LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON) continue;
        std::wstring text = windowText(child);
        if (!text.empty()) return text;
    }
    return {};
}

bool pressButton(HWND box, const std::wstring& buttonText) {
    for (HWND child : childWindows(box)) {
        if (lstrcmpiW(windowClass(child).c_str(), L"Button") != 0) continue;
        if (lstrcmpiW(withoutAccelerator(windowText(child)).c_str(), buttonText.c_str()) != 0) continue;
        int id = GetDlgCtrlID(child);
        return PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(child)) != FALSE;
    }
    return false;
}

}  // namespace wintool
