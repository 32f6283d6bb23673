#include "sim/SimUrlHistory.hpp"

namespace umbrix::sim {

class SimUrlHistory::Store final : public platform::UrlHistoryStore {
public:
    explicit Store(SimUrlHistory& history) : history_(history) { ++history_.openStores; }
    ~Store() override { --history_.openStores; }

    platform::IoResult clearHistory() override {
        if (history_.journal) history_.journal->add("history.clear");
        ++history_.clears;
        history_.cursorBusyDuringClear = history_.cursor_.busy;
        if (history_.clearError != 0) return platform::IoResult::failure(history_.clearError);
        history_.visited.clear();
        return platform::IoResult::success();
    }

private:
    SimUrlHistory& history_;
};

platform::UrlHistoryOpening SimUrlHistory::openHistoryStore() {
    if (journal) journal->add("history.open");
    if (!storeAvailable) return {nullptr, kClassNotRegistered};
    return {std::make_unique<Store>(*this), 0};
}

}  // namespace umbrix::sim
