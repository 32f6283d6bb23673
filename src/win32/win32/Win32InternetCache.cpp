#include "win32/Win32InternetCache.hpp"

#include <windows.h>
#include <wininet.h>

#include <vector>

#include "win32/Utf16.hpp"

namespace umbrix::win32 {

using platform::IoResult;
using platform::UrlCacheStep;

namespace {

class Win32UrlCacheWalk final : public platform::UrlCacheWalk {
public:
    Win32UrlCacheWalk() = default;
    ~Win32UrlCacheWalk() override {
        if (find_) FindCloseUrlCache(find_);
    }

    UrlCacheStep next() override {
        if (ended_) return {std::nullopt, ERROR_NO_MORE_ITEMS};
        // Asked without a buffer, the call fails with ERROR_INSUFFICIENT_BUFFER and the size the
        // entry needs. An entry can grow between the two calls, so ask again until it fits.
        std::vector<std::uint64_t> buffer;  // 8-byte aligned for the structure
        DWORD size = 0;
        for (int attempt = 0; attempt < 8; ++attempt) {
            auto* entry = buffer.empty() ? nullptr : reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
            if (entry) entry->dwStructSize = sizeof(INTERNET_CACHE_ENTRY_INFOW);
            if (fetch(entry, size) && entry) {
                return {entry->lpszSourceUrlName ? narrow(entry->lpszSourceUrlName) : std::string(), 0};
            }
            DWORD error = GetLastError();
            if (error != ERROR_INSUFFICIENT_BUFFER || size == 0)
                return end(error == ERROR_SUCCESS ? ERROR_INVALID_DATA : error);
            buffer.assign((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t), 0);
        }
        return end(ERROR_INSUFFICIENT_BUFFER);
    }

private:
    bool fetch(INTERNET_CACHE_ENTRY_INFOW* entry, DWORD& size) {
        if (find_) return FindNextUrlCacheEntryW(find_, entry, &size) != FALSE;
        find_ = FindFirstUrlCacheEntryW(nullptr, entry, &size);
        return find_ != nullptr;
    }
    UrlCacheStep end(DWORD error) {
        ended_ = true;
        return {std::nullopt, error};
    }

    HANDLE find_ = nullptr;
    bool ended_ = false;
};

}  // namespace

std::unique_ptr<platform::UrlCacheWalk> Win32InternetCache::walkContentCache() {
    return std::make_unique<Win32UrlCacheWalk>();
}

IoResult Win32InternetCache::deleteEntry(std::string_view sourceUrl) {
    if (DeleteUrlCacheEntryW(widen(sourceUrl).c_str())) return IoResult::success();
    return IoResult::failure(GetLastError());
}

}  // namespace umbrix::win32
