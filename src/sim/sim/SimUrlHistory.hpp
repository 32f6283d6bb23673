#pragma once
// The simulated history store: the visited addresses, a store that can be missing, and a
// clearing that can fail (as every method does under Wine).
#include <cstdint>
#include <string>
#include <vector>

#include "sim/SimJournal.hpp"
#include "platform/UrlHistoryPort.hpp"
#include "sim/SimCursor.hpp"

namespace umbrix::sim {

class SimUrlHistory final : public platform::UrlHistoryPort {
public:
    explicit SimUrlHistory(const SimCursor& cursor) : cursor_(cursor) {}

    platform::UrlHistoryOpening openHistoryStore() override;

    // State a test sets or reads.
    std::vector<std::string> visited;
    bool storeAvailable = true;  // CLSID_CUrlHistory is registered and offers IUrlHistoryStg2
    std::uint32_t clearError = 0;  // not 0: ClearHistory fails with this HRESULT

    // What happened so far.
    int openStores = 0;  // stores not yet released
    int clears = 0;
    bool cursorBusyDuringClear = false;
    SimJournal* journal = nullptr;  // the process's call journal, when one is attached

    static constexpr std::uint32_t kClassNotRegistered = 0x80040154;  // REGDB_E_CLASSNOTREG
    static constexpr std::uint32_t kNotImplemented = 0x80004001;  // E_NOTIMPL

private:
    class Store;
    const SimCursor& cursor_;
};

}  // namespace umbrix::sim
