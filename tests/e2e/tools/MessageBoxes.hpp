#pragma once
// Reading and answering another process's message boxes (dialog class "#32770").
#include <windows.h>

#include <optional>
#include <string>

namespace wintool {

// The first visible message box whose caption is `caption` (any caption when empty) and whose
// process is `processId` (any when 0).
std::optional<HWND> findMessageBox(const std::wstring& caption, DWORD processId);

// The box's text: its static control that shows text rather than the icon.
std::wstring messageBoxText(HWND box);

// Presses the button whose text, without its "&", is `buttonText` (any letter case), the way a
// click does: WM_COMMAND(BN_CLICKED) to the box. False when there is no such button.
bool pressButton(HWND box, const std::wstring& buttonText);

}  // namespace wintool
