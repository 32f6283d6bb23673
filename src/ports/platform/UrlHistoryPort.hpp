#pragma once
// The shell's store of visited addresses (the browser history).
#include <cstdint>
#include <memory>

#include "platform/IoResult.hpp"

namespace umbrix::platform {

// The history store, held open. Release when it ends.
class UrlHistoryStore {
public:
    UrlHistoryStore() = default;
    UrlHistoryStore(const UrlHistoryStore&) = delete;
    UrlHistoryStore& operator=(const UrlHistoryStore&) = delete;
    virtual ~UrlHistoryStore() = default;

    // IUrlHistoryStg2::ClearHistory; the error is the HRESULT.
    virtual IoResult clearHistory() = 0;
};

struct UrlHistoryOpening {
    std::unique_ptr<UrlHistoryStore> store;  // null when it could not be opened
    std::uint32_t error = 0;  // then the HRESULT of the failure
};

class UrlHistoryPort {
public:
    UrlHistoryPort() = default;
    UrlHistoryPort(const UrlHistoryPort&) = delete;
    UrlHistoryPort& operator=(const UrlHistoryPort&) = delete;
    virtual ~UrlHistoryPort() = default;

    // CoCreateInstance(CLSID_CUrlHistory, CLSCTX_INPROC_SERVER, IID_IUrlHistoryStg2) on the
    // calling thread, whose COM apartment the program set up.
    virtual UrlHistoryOpening openHistoryStore() = 0;
};

}  // namespace umbrix::platform
