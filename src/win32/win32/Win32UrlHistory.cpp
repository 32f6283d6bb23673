#include "win32/Win32UrlHistory.hpp"

#include <windows.h>
#include <urlhist.h>

namespace umbrix::win32 {

namespace {

// CLSID_CUrlHistory and IID_IUrlHistoryStg2, spelled out so no import library is needed.
constexpr CLSID kUrlHistoryClass = {0x3C374A40, 0xBAE4, 0x11CF, {0xBF, 0x7D, 0x00, 0xAA, 0x00, 0x69, 0x46, 0xEE}};
constexpr IID kUrlHistoryStg2 = {0xAFA0DC11, 0xC313, 0x11D0, {0x83, 0x1A, 0x00, 0xC0, 0x4F, 0xD5, 0xAE, 0x38}};

class Win32UrlHistoryStore final : public platform::UrlHistoryStore {
public:
    explicit Win32UrlHistoryStore(IUrlHistoryStg2* store) : store_(store) {}
    ~Win32UrlHistoryStore() override { store_->Release(); }

    platform::IoResult clearHistory() override {
        HRESULT result = store_->ClearHistory();
        if (SUCCEEDED(result)) return platform::IoResult::success();
        return platform::IoResult::failure(static_cast<std::uint32_t>(result));
    }

private:
    IUrlHistoryStg2* store_;
};

}  // namespace

platform::UrlHistoryOpening Win32UrlHistory::openHistoryStore() {
    void* store = nullptr;
    HRESULT result = CoCreateInstance(kUrlHistoryClass, nullptr, CLSCTX_INPROC_SERVER, kUrlHistoryStg2, &store);
    if (FAILED(result) || !store) return {nullptr, static_cast<std::uint32_t>(result)};
    return {std::make_unique<Win32UrlHistoryStore>(static_cast<IUrlHistoryStg2*>(store)), 0};
}

}  // namespace umbrix::win32
