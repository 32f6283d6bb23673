#include "win32/Win32ShellIcons.hpp"

#include <objbase.h>
#include <shellapi.h>

#include "win32/Utf16.hpp"

namespace umbrix::win32 {

Win32ShellIcons::Win32ShellIcons() {
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

Win32ShellIcons::~Win32ShellIcons() {
    for (HIMAGELIST list : lists_) ImageList_Destroy(list);
    if (comStarted_) CoUninitialize();
}

platform::ImageListId Win32ShellIcons::createImageList() {
    HIMAGELIST list =
        ImageList_Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), ILC_COLOR32 | ILC_MASK, 16, 16);
    if (!list) return platform::ImageListId{};
    // A shared stock icon: it is not destroyed.
    ImageList_AddIcon(list, LoadIconW(nullptr, IDI_APPLICATION));
    lists_.push_back(list);
    return platform::ImageListId{static_cast<std::uint32_t>(lists_.size())};
}

std::optional<int> Win32ShellIcons::addSmallFileIcon(platform::ImageListId list, std::string_view path) {
    HIMAGELIST target = imageList(list);
    if (!target || path.empty()) return std::nullopt;
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(widen(path).c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON) || !info.hIcon)
        return std::nullopt;
    int index = ImageList_AddIcon(target, info.hIcon);
    DestroyIcon(info.hIcon);
    if (index < 0) return std::nullopt;
    return index;
}

int Win32ShellIcons::imageCount(platform::ImageListId list) {
    HIMAGELIST target = imageList(list);
    return target ? ImageList_GetImageCount(target) : 0;
}

HIMAGELIST Win32ShellIcons::imageList(platform::ImageListId list) const {
    if (list.value == 0 || list.value > lists_.size()) return nullptr;
    return lists_[list.value - 1];
}

}  // namespace umbrix::win32
