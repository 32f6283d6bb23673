#include "win32/Win32Network.hpp"

#include <windows.h>
#include <objbase.h>
#include <urlmon.h>
#include <wininet.h>

#include "win32/Utf16.hpp"

namespace umbrix::win32 {

namespace {

// urlmon binds through COM. The user-interface thread has normally joined an apartment
// already; this makes a download work on any thread and leaves the thread as it was.
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();  // S_OK and S_FALSE both count once
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

}  // namespace

bool Win32Network::removeFromUrlCache(std::string_view url) {
    return DeleteUrlCacheEntryW(widen(url).c_str()) != FALSE;
}

platform::DownloadResult Win32Network::downloadToFile(std::string_view url, std::string_view path) {
    ComApartment apartment;
    const std::wstring target = widen(path);
    HRESULT result = URLDownloadToFileW(nullptr, widen(url).c_str(), target.c_str(), 0, nullptr);
    if (result != S_OK) return platform::DownloadResult::failure(static_cast<std::uint32_t>(result));
    // Wine reports S_OK for a target folder that does not exist, having saved nothing.
    // Success means the file is there.
    if (GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return platform::DownloadResult::failure(static_cast<std::uint32_t>(HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)));
    }
    return platform::DownloadResult::success();
}

}  // namespace umbrix::win32
