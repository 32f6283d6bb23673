#pragma once
// The simulated desktop's top-level windows: Z order, titles, visibility, cloaking, owner
// processes, owner windows, show states, the foreground window and posted close requests.
// Scripted events change the desktop between two port calls (a window that closes in the
// middle of a walk); every port call is counted. A window that goes from hidden to shown, by a
// port call or by its own program, raises a shown-window event, delivered to the watchers when
// the program next handles its messages (deliverWindowEvents), as out-of-context hooks are.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/TextPort.hpp"
#include "platform/WindowPort.hpp"

namespace umbrix::sim {

using platform::ProcessId;
using platform::ShowState;
using platform::WindowId;

class SimWindows final : public platform::WindowPort {
public:
    // What a new window looks like.
    struct Blueprint {
        std::string title;
        ProcessId owner;
        bool visible = true;
        ShowState state = ShowState::Normal;
        std::optional<std::uint32_t> cloaked = 0;  // nullopt: the compositor query fails
        bool refusesClose = false;  // stays open on WM_CLOSE (asks its user, say)
        bool owned = false;  // has an owner window, as dialogs and tool palettes do
        WindowId ownerWindow{};  // that window, when the test names it: this one stays above it
    };

    struct Window {
        WindowId id;
        std::string title;  // the whole title, even beyond what GetWindowTextW copies
        ProcessId owner;
        bool visible = true;
        ShowState state = ShowState::Normal;
        std::optional<std::uint32_t> cloaked = 0;
        bool refusesClose = false;
        bool owned = false;
        WindowId ownerWindow{};
        int closeRequests = 0;  // WM_CLOSE messages posted to it so far
    };

    struct Counts {
        int enumWindows = 0;
        int windowText = 0;
        int isWindowVisible = 0;
        int isWindow = 0;
        int cloakedState = 0;
        int windowProcessId = 0;
        int showWindow = 0;
        int postCloseRequest = 0;
        int findWindowByTitle = 0;
        int foregroundWindow = 0;
        int setForegroundWindow = 0;
        int showState = 0;
        int restackWindows = 0;
        int total() const;
    };

    explicit SimWindows(platform::TextPort& text);

    void enumWindows(const std::function<bool(WindowId)>& visit) override;
    std::string windowText(WindowId window) override;
    bool isWindowVisible(WindowId window) override;
    bool isWindow(WindowId window) override;
    std::optional<std::uint32_t> cloakedState(WindowId window) override;
    std::optional<ProcessId> windowProcessId(WindowId window) override;
    bool showWindow(WindowId window, platform::ShowCommand command) override;
    // Each window in turn, as showWindow: the simulated programs answer at once.
    std::vector<bool> showWindows(const std::vector<WindowId>& windows, platform::ShowCommand command) override;
    bool postCloseRequest(WindowId window) override;
    std::optional<WindowId> findWindowByTitle(std::string_view title) override;
    WindowId foregroundWindow() override;
    bool setForegroundWindow(WindowId window) override;
    std::optional<ShowState> showState(WindowId window) override;
    bool restackWindows(const std::vector<WindowId>& topFirst) override;
    std::unique_ptr<platform::WindowEventSubscription> watchShownWindows(std::function<void(WindowId)> shown) override;

    // Set-up and scripting for tests. None of these count as port calls.
    // Opens a window on top of the Z order, as CreateWindowEx + ShowWindow would.
    WindowId open(const Blueprint& blueprint);
    void destroy(WindowId window);
    void setTitle(WindowId window, std::string title);
    void setVisible(WindowId window, bool visible);
    void setShowState(WindowId window, ShowState state);
    void setForeground(WindowId window);
    void moveToTop(WindowId window);
    // Runs `event` once `calls` more port calls have been made, just before the next one.
    void afterCalls(int calls, std::function<void()> event);
    // Called before every port call with the call's name ("showWindow") and its window
    // (WindowId{} for calls without one), so a test can change the desktop at that moment.
    std::function<void(std::string_view call, WindowId window)> beforeEachCall;
    // Lets the owning applications handle the close requests posted so far.
    void deliverPostedMessages();
    // The program handles its messages: the shown-window events raised so far reach the
    // watchers, in order (events raised meanwhile wait for the next call).
    void deliverWindowEvents();
    std::size_t pendingWindowEvents() const { return pendingShown_.size(); }
    std::size_t shownWindowWatchers() const { return watchers_.size(); }
    // An application that has stopped answering messages (Windows counts it hung after five
    // seconds): a show, hide, activation or move in the stack of its windows is taken at once
    // but done only when it answers again, in the order asked.
    void setAnswering(ProcessId owner, bool answering);
    bool answering(ProcessId owner) const { return !stalled_.count(owner.value); }

    // What the desktop looks like now.
    const Window* find(WindowId window) const;
    std::vector<WindowId> zOrder() const { return zOrder_; }
    std::vector<WindowId> visibleWindows() const;
    WindowId foreground() const { return foreground_; }
    const Counts& counts() const { return counts_; }
    void resetCounts() { counts_ = {}; }

private:
    Window* live(WindowId window);
    void beforeCall(int& counter, const char* call, WindowId window = {});
    void raise(WindowId window);
    void dropFromZOrder(WindowId window);
    void passForegroundOn(WindowId leaving);
    void apply(Window& window, platform::ShowCommand command);
    void becomeVisible(Window& window);
    void activate(WindowId window);
    // Puts the window just below `above` (WindowId{} or a window that is gone: at the top).
    void placeBelow(WindowId window, WindowId above);
    // Moves every owned window that has come below its owner to just above it.
    void keepOwnedAboveOwners();
    // Done now, or once the window's application answers again.
    void whenAnswering(Window& window, std::function<void(Window&)> action);
    class Watch;

    platform::TextPort& text_;
    std::map<std::uint64_t, Window> windows_;
    std::vector<WindowId> zOrder_;  // top first
    WindowId foreground_;
    std::deque<WindowId> posted_;
    std::set<std::uint32_t> stalled_;  // processes not answering
    std::vector<std::pair<WindowId, std::function<void(Window&)>>> waiting_;  // for those, in order
    std::multimap<long long, std::function<void()>> events_;  // by the call count they wait for
    long long calls_ = 0;
    std::uint64_t nextHandle_ = 0x00010010;
    Counts counts_;
    std::map<int, std::function<void(WindowId)>> watchers_;  // by subscription number
    int nextWatcher_ = 0;
    // Each event reaches only the watchers that existed when it was raised.
    std::vector<std::pair<WindowId, int>> pendingShown_;  // the window, the next watcher's number then
};

}  // namespace umbrix::sim
