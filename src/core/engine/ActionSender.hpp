#pragma once
// Who started a window action. Only the panic button makes a difference: it acts on the
// window the user worked in before clicking it.
namespace umbrix::engine {

enum class ActionSender {
    None,
    PanicWindow,  // PanicWindow
    HideHotkey,  // customHide
    UnhideHotkey,  // customUnhide
    StealthHotkey,  // exitStealth
};

// The `dlAction` show flag: 0 hides, anything else shows.
inline constexpr int kHide = 0;
inline constexpr int kShow = 1;

}  // namespace umbrix::engine
