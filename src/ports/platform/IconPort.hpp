#pragma once
// Icons that files hold: the icons stored in a file (executables, libraries, .ico) with the
// shell's picker to choose one, and the shell's small icon of any file, collected in image lists
// that list views show.
#include <compare>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/IconLocation.hpp"

namespace umbrix::platform {

struct IconSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const IconSize&, const IconSize&) = default;
};

struct ImageListId {
    std::uint32_t value = 0;  // 0 names no image list

    friend auto operator<=>(const ImageListId&, const ImageListId&) = default;
};

class IconPort {
public:
    IconPort() = default;
    IconPort(const IconPort&) = delete;
    IconPort& operator=(const IconPort&) = delete;
    virtual ~IconPort() = default;

    // --- the icons a file holds ---

    // PickIconDlg (shell32.dll, ordinal 62) with a file name buffer of 260 characters, modal and
    // owned by the program's application window, opened at `start`: the file and icon the user
    // confirmed; nullopt when the user cancelled.
    virtual std::optional<IconLocation> pickIcon(const IconLocation& start) = 0;

    // ExtractIconExW(file, -1, NULL, NULL, 0): how many icons the file holds; 0 for a file that
    // holds none or does not exist.
    virtual int iconCount(std::string_view file) = 0;

    // ExtractIconW(file, index), then GetIconInfo: the size of that icon; nullopt when the file
    // has no icon at that index (or is no icon source, or is missing).
    virtual std::optional<IconSize> extractIcon(std::string_view file, int index) = 0;

    // --- a file's small shell icon, in image lists ---

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
