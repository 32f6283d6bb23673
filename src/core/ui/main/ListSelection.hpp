#pragma once
// The selected entry of a list view over one of the engine's lists. The selection names its
// entry by a key (a window's handle, an executable's path), not by a position: the engine
// changes its lists under the window (a hotkey shows every hidden window while a question is
// open), and a selection that was a position would then point at another entry. Once its
// entry is gone, nothing is selected.
#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace umbrix::ui {

template <class Entry, class Key>
class ListSelection {
public:
    explicit ListSelection(std::function<Key(const Entry&)> keyOf) : keyOf_(std::move(keyOf)) {}

    // The user selects the entry at `index` of the list as shown; an index outside selects
    // nothing.
    void select(const std::vector<Entry>& entries, std::size_t index) {
        if (index < entries.size())
            selected_ = keyOf_(entries[index]);
        else
            selected_.reset();
    }
    void clear() { selected_.reset(); }

    // Where the selected entry is now; nullopt when nothing is selected or its entry is gone.
    std::optional<std::size_t> indexIn(const std::vector<Entry>& entries) const {
        if (!selected_) return std::nullopt;
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&](const Entry& entry) { return keyOf_(entry) == *selected_; });
        if (found == entries.end()) return std::nullopt;
        return static_cast<std::size_t>(found - entries.begin());
    }

private:
    std::function<Key(const Entry&)> keyOf_;
    std::optional<Key> selected_;
};

}  // namespace umbrix::ui
