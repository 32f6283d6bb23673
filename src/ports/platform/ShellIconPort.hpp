#pragma once
// Small file icons collected in image lists that list views show.
#include <compare>
#include <cstdint>
#include <optional>
#include <string_view>

namespace umbrix::platform {

struct ImageListId {
    std::uint32_t value = 0;  // 0 names no image list

    friend auto operator<=>(const ImageListId&, const ImageListId&) = default;
};

class ShellIconPort {
public:
    ShellIconPort() = default;
    ShellIconPort(const ShellIconPort&) = delete;
    ShellIconPort& operator=(const ShellIconPort&) = delete;
    virtual ~ShellIconPort() = default;

    // ImageList_Create(small icon size, ILC_COLOR32 | ILC_MASK) + ImageList_AddIcon(the stock
    // application icon, IDI_APPLICATION): a new image list whose index 0 is that neutral icon,
    // so that index 0 can stand for "no icon of its own". It lives as long as the adapter.
    virtual ImageListId createImageList() = 0;

    // SHGetFileInfoW(path, 0, SHGFI_ICON | SHGFI_SMALLICON) + ImageList_AddIcon + DestroyIcon:
    // appends the file's small icon and returns its index; nullopt when the shell gives no icon
    // (no such file, empty path) or the list cannot take it.
    virtual std::optional<int> addSmallFileIcon(ImageListId list, std::string_view path) = 0;

    // ImageList_GetImageCount.
    virtual int imageCount(ImageListId list) = 0;
};

}  // namespace umbrix::platform
