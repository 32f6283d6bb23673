#pragma once
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "platform/ShellIconPort.hpp"

namespace umbrix::win32 {

class Win32ShellIcons final : public platform::ShellIconPort {
public:
    // The shell's icon lookup wants COM on the calling thread: the user-interface thread that
    // creates the adapters.
    Win32ShellIcons();
    ~Win32ShellIcons() override;

    platform::ImageListId createImageList() override;
    std::optional<int> addSmallFileIcon(platform::ImageListId list, std::string_view path) override;
    int imageCount(platform::ImageListId list) override;

    // For the views that attach a list to a list view; null for an unknown id.
    HIMAGELIST imageList(platform::ImageListId list) const;

private:
    std::vector<HIMAGELIST> lists_;  // ImageListId n is lists_[n - 1]
    bool comStarted_ = false;
};

}  // namespace umbrix::win32
