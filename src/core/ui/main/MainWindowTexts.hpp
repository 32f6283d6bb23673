#pragma once
// Texts the main window's pages show.
namespace umbrix::ui {

inline constexpr const char* kCloseHiddenWindowQuestion = "This window is hidden. Are your sure you want to close it?";
inline constexpr const char* kConfirmCaption = "Confirm";

inline constexpr const char* kBrowseDialogTitle = "Browse for Umbrix Decoy";
inline constexpr const char* kBrowseDialogFilter = "All files|*.*|Applications|*.exe";
inline constexpr const char* kBrowseDialogDefaultExtension = "*.*";

}  // namespace umbrix::ui
