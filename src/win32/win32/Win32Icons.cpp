#include "win32/Win32Icons.hpp"

#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <stdexcept>

#include "win32/EnvironmentPath.hpp"
#include "win32/FileIcon.hpp"
#include "win32/Utf16.hpp"

namespace umbrix::win32 {

namespace {

// PickIconDlg, exported by shell32.dll under ordinal 62 (older headers lack its declaration).
using PickIconDlgFunction = BOOL(WINAPI*)(HWND owner, PWSTR iconPath, UINT iconPathCharacters, int* iconIndex);
constexpr UINT kPathBufferCharacters = 260;

std::wstring systemPath(std::string_view file) { return expandEnvironment(widen(file)); }

}  // namespace

std::optional<platform::IconLocation> Win32Icons::pickIcon(const platform::IconLocation& start) {
    HMODULE shell = GetModuleHandleW(L"shell32.dll");
    if (!shell) shell = LoadLibraryW(L"shell32.dll");
    auto pick = shell ? reinterpret_cast<PickIconDlgFunction>(
                            reinterpret_cast<void*>(GetProcAddress(shell, MAKEINTRESOURCEA(62))))
                      : nullptr;
    if (!pick) throw std::runtime_error("shell32.dll offers no icon picker");

    wchar_t path[kPathBufferCharacters]{};
    std::wstring startFile = widen(start.file);
    std::copy_n(startFile.begin(), std::min<std::size_t>(startFile.size(), kPathBufferCharacters - 1), path);
    int index = start.index;
    HWND owner = owner_ ? owner_() : nullptr;
    if (!pick(owner, path, kPathBufferCharacters, &index)) return std::nullopt;
    return platform::IconLocation{narrow(path), index};
}

int Win32Icons::iconCount(std::string_view file) {
    UINT count = ExtractIconExW(systemPath(file).c_str(), -1, nullptr, nullptr, 0);
    // A file that cannot be read answers UINT_MAX on some systems.
    return count == UINT_MAX ? 0 : static_cast<int>(count);
}

std::optional<platform::IconSize> Win32Icons::extractIcon(std::string_view file, int index) {
    HICON icon = extractFileIcon(widen(file), index);
    if (!icon) return std::nullopt;
    ICONINFO info{};
    std::optional<platform::IconSize> size;
    if (GetIconInfo(icon, &info)) {
        BITMAP bitmap{};
        if (info.hbmColor && GetObjectW(info.hbmColor, sizeof bitmap, &bitmap)) {
            size = platform::IconSize{bitmap.bmWidth, bitmap.bmHeight};
        } else if (info.hbmMask && GetObjectW(info.hbmMask, sizeof bitmap, &bitmap)) {
            size = platform::IconSize{bitmap.bmWidth, bitmap.bmHeight / 2};  // mask and image, one above the other
        }
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
    }
    DestroyIcon(icon);
    return size;
}

Win32Icons::Win32Icons() {
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

Win32Icons::~Win32Icons() {
    for (HIMAGELIST list : lists_) ImageList_Destroy(list);
    if (comStarted_) CoUninitialize();
}

platform::ImageListId Win32Icons::createImageList() {
    HIMAGELIST list =
        ImageList_Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), ILC_COLOR32 | ILC_MASK, 16, 16);
    if (!list) return platform::ImageListId{};
    // A shared stock icon: it is not destroyed.
    ImageList_AddIcon(list, LoadIconW(nullptr, IDI_APPLICATION));
    lists_.push_back(list);
    return platform::ImageListId{static_cast<std::uint32_t>(lists_.size())};
}

std::optional<int> Win32Icons::addSmallFileIcon(platform::ImageListId list, std::string_view path) {
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

int Win32Icons::imageCount(platform::ImageListId list) {
    HIMAGELIST target = imageList(list);
    return target ? ImageList_GetImageCount(target) : 0;
}

HIMAGELIST Win32Icons::imageList(platform::ImageListId list) const {
    if (list.value == 0 || list.value > lists_.size()) return nullptr;
    return lists_[list.value - 1];
}

}  // namespace umbrix::win32
