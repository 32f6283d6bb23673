#pragma once
// The content of a list view that allows one selected entry at a time. Removing entries keeps
// the selection on the entry it was on, or clears it when that entry goes.
#include <cstddef>
#include <optional>
#include <vector>

namespace umbrix::engine {

template <class Entry>
class SelectableList {
public:
    const std::vector<Entry>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const Entry& operator[](std::size_t index) const { return entries_.at(index); }
    Entry& at(std::size_t index) { return entries_.at(index); }

    void append(Entry entry) { entries_.push_back(std::move(entry)); }

    void removeAt(std::size_t index) {
        if (index >= entries_.size()) return;
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
        if (!selected_) return;
        if (*selected_ == index)
            selected_.reset();
        else if (*selected_ > index)
            --*selected_;
    }

    void clear() {
        entries_.clear();
        selected_.reset();
    }

    // An index outside the list selects nothing.
    void select(std::size_t index) {
        if (index < entries_.size())
            selected_ = index;
        else
            selected_.reset();
    }
    void clearSelection() { selected_.reset(); }
    std::optional<std::size_t> selectedIndex() const { return selected_; }

private:
    std::vector<Entry> entries_;
    std::optional<std::size_t> selected_;
};

}  // namespace umbrix::engine
