#pragma once
// Texts the main window's pages show.
namespace umbrix::ui {

// The main window's caption: the window engine never lists, hides or shows a window so titled.
inline constexpr const char* kMainWindowCaption = "UBX 7 for Office (Portable)";

inline constexpr const char* kCloseHiddenWindowQuestion = "This window is hidden. Are your sure you want to close it?";
inline constexpr const char* kConfirmCaption = "Confirm";

inline constexpr const char* kBrowseDialogTitle = "Browse for Umbrix Decoy";
inline constexpr const char* kBrowseDialogFilter = "All files|*.*|Applications|*.exe";
inline constexpr const char* kBrowseDialogDefaultExtension = "*.*";

}  // namespace umbrix::ui
