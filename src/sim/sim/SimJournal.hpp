#pragma once
// The Windows calls one simulated process made, in order, so a test can check the order of the
// steps of an operation and that an operation did nothing else.
#include <string>
#include <vector>

namespace umbrix::sim {

class SimJournal {
public:
    void add(std::string entry) { entries_.push_back(std::move(entry)); }
    const std::vector<std::string>& entries() const { return entries_; }
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }
    bool empty() const { return entries_.empty(); }
    void clear() { entries_.clear(); }
    // The entries after the first `mark` ones (mark = entries().size() taken earlier).
    std::vector<std::string> since(std::size_t mark) const {
        return {entries_.begin() + static_cast<std::ptrdiff_t>(std::min(mark, entries_.size())), entries_.end()};
    }

private:
    std::vector<std::string> entries_;
};

}  // namespace umbrix::sim
