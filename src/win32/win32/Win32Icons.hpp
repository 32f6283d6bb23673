#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <vector>

#include "platform/IconPort.hpp"

namespace umbrix::win32 {

class Win32Icons final : public platform::IconPort {
public:
    // The shell's icon lookup wants COM on the calling thread: the user-interface thread that
    // creates the adapters.
    Win32Icons();
    ~Win32Icons() override;

    // The window that owns the picker: the program's application window, which exists only once
    // the program has started; until then, and without this, the picker has no owner.
    void setOwnerWindow(std::function<HWND()> owner) { owner_ = std::move(owner); }

    // Throws when shell32.dll offers no icon picker.
    std::optional<platform::IconLocation> pickIcon(const platform::IconLocation& start) override;
    int iconCount(std::string_view file) override;
    std::optional<platform::IconSize> extractIcon(std::string_view file, int index) override;

    platform::ImageListId createImageList() override;
    std::optional<int> addSmallFileIcon(platform::ImageListId list, std::string_view path) override;
    int imageCount(platform::ImageListId list) override;

    // For the views that attach a list to a list view; null for an unknown id.
    HIMAGELIST imageList(platform::ImageListId list) const;

private:
    std::function<HWND()> owner_;
    std::vector<HIMAGELIST> lists_;  // ImageListId n is lists_[n - 1]
    bool comStarted_ = false;
};

}  // namespace umbrix::win32
