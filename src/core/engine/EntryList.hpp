#pragma once
// The entries of one of the engine's lists, in order. Which entry a window of the program has
// selected is that window's business (src/core/ui), not the list's.
#include <cstddef>
#include <vector>

namespace umbrix::engine {

template <class Entry>
class EntryList {
public:
    const std::vector<Entry>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const Entry& operator[](std::size_t index) const { return entries_.at(index); }
    Entry& at(std::size_t index) { return entries_.at(index); }

    void append(Entry entry) { entries_.push_back(std::move(entry)); }

    // An index outside the list removes nothing.
    void removeAt(std::size_t index) {
        if (index >= entries_.size()) return;
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    }

    void clear() { entries_.clear(); }

private:
    std::vector<Entry> entries_;
};

}  // namespace umbrix::engine
