#include "sim/SimWindows.hpp"

#include <algorithm>

#include "text/Utf8.hpp"

namespace umbrix::sim {

namespace {

// GetWindowTextW copies at most 254 UTF-16 characters; a pair is never split.
std::string cutTitle(const std::string& title) {
    std::u32string text = utf8::decode(title);
    std::size_t units = 0;
    std::size_t keep = 0;
    for (char32_t c : text) {
        std::size_t width = c > 0xFFFF ? 2 : 1;
        if (units + width > platform::kMaxTitleCharacters) break;
        units += width;
        ++keep;
    }
    if (keep == text.size()) return title;
    return utf8::encode(std::u32string_view(text).substr(0, keep));
}

}  // namespace

int SimWindows::Counts::total() const {
    return enumWindows + windowText + isWindowVisible + isWindow + cloakedState + windowProcessId + showWindow +
           postCloseRequest + findWindowByTitle + foregroundWindow + setForegroundWindow + showState + restackWindows;
}

SimWindows::SimWindows(platform::TextPort& text) : text_(text) {}

void SimWindows::beforeCall(int& counter, const char* call, WindowId window) {
    ++counter;
    ++calls_;
    if (beforeEachCall) beforeEachCall(call, window);
    // An event may schedule further events; run only those that are due now.
    while (!events_.empty() && events_.begin()->first <= calls_) {
        auto event = std::move(events_.begin()->second);
        events_.erase(events_.begin());
        event();
    }
}

SimWindows::Window* SimWindows::live(WindowId window) {
    auto it = windows_.find(window.value);
    return it == windows_.end() ? nullptr : &it->second;
}

const SimWindows::Window* SimWindows::find(WindowId window) const {
    auto it = windows_.find(window.value);
    return it == windows_.end() ? nullptr : &it->second;
}

void SimWindows::enumWindows(const std::function<bool(WindowId)>& visit) {
    beforeCall(counts_.enumWindows, "enumWindows");
    // Like user32, the list of handles is taken first; windows that close during the walk are
    // still reported.
    const std::vector<WindowId> handles = zOrder_;
    for (WindowId window : handles) {
        if (!visit(window)) break;
    }
}

std::string SimWindows::windowText(WindowId window) {
    beforeCall(counts_.windowText, "windowText", window);
    const Window* w = live(window);
    return w ? cutTitle(w->title) : std::string();
}

bool SimWindows::isWindowVisible(WindowId window) {
    beforeCall(counts_.isWindowVisible, "isWindowVisible", window);
    const Window* w = live(window);
    return w && w->visible;
}

bool SimWindows::isWindow(WindowId window) {
    beforeCall(counts_.isWindow, "isWindow", window);
    return live(window) != nullptr;
}

std::optional<std::uint32_t> SimWindows::cloakedState(WindowId window) {
    beforeCall(counts_.cloakedState, "cloakedState", window);
    const Window* w = live(window);
    if (!w) return std::nullopt;
    return w->cloaked;
}

std::optional<ProcessId> SimWindows::windowProcessId(WindowId window) {
    beforeCall(counts_.windowProcessId, "windowProcessId", window);
    const Window* w = live(window);
    if (!w) return std::nullopt;
    return w->owner;
}

bool SimWindows::showWindow(WindowId window, platform::ShowCommand command) {
    beforeCall(counts_.showWindow, "showWindow", window);
    Window* w = live(window);
    if (!w) return false;
    const bool wasVisible = w->visible;
    whenAnswering(*w, [this, command](Window& shown) { apply(shown, command); });
    return wasVisible;
}

std::vector<bool> SimWindows::showWindows(const std::vector<WindowId>& windows, platform::ShowCommand command) {
    std::vector<bool> wasVisible;
    wasVisible.reserve(windows.size());
    for (WindowId window : windows) wasVisible.push_back(showWindow(window, command));
    return wasVisible;
}

void SimWindows::whenAnswering(Window& w, std::function<void(Window&)> action) {
    if (answering(w.owner))
        action(w);
    else
        waiting_.emplace_back(w.id, std::move(action));
}

void SimWindows::apply(Window& w, platform::ShowCommand command) {
    if (command == platform::ShowCommand::Hide) {
        w.visible = false;
        passForegroundOn(w.id);
        return;
    }
    becomeVisible(w);
    if (command == platform::ShowCommand::ShowNormal) w.state = ShowState::Normal;
    activate(w.id);
}

void SimWindows::activate(WindowId window) {
    raise(window);
    foreground_ = window;
}

void SimWindows::becomeVisible(Window& w) {
    if (!w.visible) pendingShown_.emplace_back(w.id, nextWatcher_);
    w.visible = true;
}

class SimWindows::Watch final : public platform::WindowEventSubscription {
public:
    Watch(SimWindows& windows, int number) : windows_(windows), number_(number) {}
    ~Watch() override { windows_.watchers_.erase(number_); }

private:
    SimWindows& windows_;
    int number_;
};

std::unique_ptr<platform::WindowEventSubscription> SimWindows::watchShownWindows(std::function<void(WindowId)> shown) {
    const int number = nextWatcher_++;
    watchers_.emplace(number, std::move(shown));
    return std::make_unique<Watch>(*this, number);
}

void SimWindows::deliverWindowEvents() {
    std::vector<std::pair<WindowId, int>> due;
    due.swap(pendingShown_);
    for (const auto& [window, watchersThen] : due) {
        // A watcher may end its own subscription or another's while it runs.
        std::vector<int> numbers;
        for (const auto& watcher : watchers_) {
            if (watcher.first < watchersThen) numbers.push_back(watcher.first);
        }
        for (int number : numbers) {
            auto watcher = watchers_.find(number);
            if (watcher != watchers_.end()) watcher->second(window);
        }
    }
}

void SimWindows::setAnswering(ProcessId owner, bool answering) {
    if (!answering) {
        stalled_.insert(owner.value);
        return;
    }
    stalled_.erase(owner.value);
    std::vector<std::pair<WindowId, std::function<void(Window&)>>> waiting;
    waiting.swap(waiting_);
    for (auto& entry : waiting) {
        Window* w = live(entry.first);
        if (w && w->owner == owner)
            entry.second(*w);
        else if (w)
            waiting_.push_back(std::move(entry));
    }
}

bool SimWindows::postCloseRequest(WindowId window) {
    beforeCall(counts_.postCloseRequest, "postCloseRequest", window);
    Window* w = live(window);
    if (!w) return false;
    ++w->closeRequests;
    posted_.push_back(window);
    return true;
}

std::optional<WindowId> SimWindows::findWindowByTitle(std::string_view title) {
    beforeCall(counts_.findWindowByTitle, "findWindowByTitle");
    const std::string wanted = text_.upperCase(title);
    for (WindowId window : zOrder_) {
        if (text_.upperCase(windows_.at(window.value).title) == wanted) return window;
    }
    return std::nullopt;
}

WindowId SimWindows::foregroundWindow() {
    beforeCall(counts_.foregroundWindow, "foregroundWindow");
    return foreground_;
}

bool SimWindows::setForegroundWindow(WindowId window) {
    beforeCall(counts_.setForegroundWindow, "setForegroundWindow", window);
    Window* w = live(window);
    if (!w) return false;
    whenAnswering(*w, [this](Window& activated) { activate(activated.id); });
    return true;
}

bool SimWindows::restackWindows(const std::vector<WindowId>& topFirst) {
    beforeCall(counts_.restackWindows, "restackWindows");
    std::vector<WindowId> block;  // the windows that move at once, top first
    WindowId above;
    for (WindowId window : topFirst) {
        Window* w = live(window);
        if (!w || std::find(block.begin(), block.end(), window) != block.end()) continue;
        if (answering(w->owner))
            block.push_back(window);
        else
            whenAnswering(*w, [this, above](Window& moved) { placeBelow(moved.id, above); });
        above = window;
    }
    for (auto it = block.rbegin(); it != block.rend(); ++it) dropFromZOrder(*it);
    zOrder_.insert(zOrder_.begin(), block.begin(), block.end());
    keepOwnedAboveOwners();
    return true;
}

std::optional<ShowState> SimWindows::showState(WindowId window) {
    beforeCall(counts_.showState, "showState", window);
    const Window* w = live(window);
    if (!w) return std::nullopt;
    return w->state;
}

WindowId SimWindows::open(const Blueprint& blueprint) {
    WindowId id{nextHandle_};
    nextHandle_ += 0x2E;  // handles are not consecutive on Windows either
    Window w;
    w.id = id;
    w.title = blueprint.title;
    w.owner = blueprint.owner;
    w.visible = blueprint.visible;
    w.state = blueprint.state;
    w.cloaked = blueprint.cloaked;
    w.refusesClose = blueprint.refusesClose;
    w.owned = blueprint.owned || blueprint.ownerWindow;
    w.ownerWindow = blueprint.ownerWindow;
    windows_.emplace(id.value, std::move(w));
    zOrder_.insert(zOrder_.begin(), id);
    if (blueprint.visible) pendingShown_.emplace_back(id, nextWatcher_);
    if (blueprint.visible && blueprint.state != ShowState::Minimized) foreground_ = id;
    return id;
}

void SimWindows::destroy(WindowId window) {
    if (!live(window)) return;
    passForegroundOn(window);
    dropFromZOrder(window);
    windows_.erase(window.value);
}

void SimWindows::setTitle(WindowId window, std::string title) {
    if (Window* w = live(window)) w->title = std::move(title);
}

void SimWindows::setVisible(WindowId window, bool visible) {
    Window* w = live(window);
    if (!w) return;
    if (visible) {
        becomeVisible(*w);
        return;
    }
    w->visible = false;
    passForegroundOn(window);
}

void SimWindows::setShowState(WindowId window, ShowState state) {
    if (Window* w = live(window)) w->state = state;
}

void SimWindows::setForeground(WindowId window) {
    if (live(window)) foreground_ = window;
}

void SimWindows::moveToTop(WindowId window) {
    if (live(window)) raise(window);
}

void SimWindows::afterCalls(int calls, std::function<void()> event) {
    events_.emplace(calls_ + calls + 1, std::move(event));
}

void SimWindows::deliverPostedMessages() {
    while (!posted_.empty()) {
        WindowId window = posted_.front();
        posted_.pop_front();
        const Window* w = live(window);
        if (w && !w->refusesClose) destroy(window);
    }
}

std::vector<WindowId> SimWindows::visibleWindows() const {
    std::vector<WindowId> shown;
    for (WindowId window : zOrder_) {
        if (windows_.at(window.value).visible) shown.push_back(window);
    }
    return shown;
}

void SimWindows::raise(WindowId window) { placeBelow(window, WindowId{}); }

void SimWindows::placeBelow(WindowId window, WindowId above) {
    dropFromZOrder(window);
    auto at = std::find(zOrder_.begin(), zOrder_.end(), above);
    zOrder_.insert(at == zOrder_.end() ? zOrder_.begin() : at + 1, window);
    keepOwnedAboveOwners();
}

void SimWindows::keepOwnedAboveOwners() {
    for (bool moved = true; moved;) {
        moved = false;
        for (std::size_t i = 0; i < zOrder_.size() && !moved; ++i) {
            const Window& w = windows_.at(zOrder_[i].value);
            if (!w.ownerWindow) continue;
            auto owner = std::find(zOrder_.begin(), zOrder_.begin() + static_cast<std::ptrdiff_t>(i), w.ownerWindow);
            if (owner == zOrder_.begin() + static_cast<std::ptrdiff_t>(i)) continue;  // above it, or gone
            const WindowId owned = zOrder_[i];
            const auto ownerAt = owner - zOrder_.begin();
            zOrder_.erase(zOrder_.begin() + static_cast<std::ptrdiff_t>(i));
            zOrder_.insert(zOrder_.begin() + ownerAt, owned);
            moved = true;
        }
    }
}

void SimWindows::dropFromZOrder(WindowId window) {
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), window), zOrder_.end());
}

// When the active window goes away, Windows activates the next visible window below it.
void SimWindows::passForegroundOn(WindowId leaving) {
    if (foreground_ != leaving) return;
    foreground_ = WindowId{};
    for (WindowId window : zOrder_) {
        if (window != leaving && windows_.at(window.value).visible) {
            foreground_ = window;
            return;
        }
    }
}

}  // namespace umbrix::sim
