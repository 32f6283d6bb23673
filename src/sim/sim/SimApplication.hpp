#pragma once
// The simulated process's own windows and its message queue. The rest of the simulated system
// (another program, the session manager) reaches the program through postClose() and
// endSession(), which deliver the messages a real controller window would receive. Modeless
// windows are hosted as they are: the scripted user calls the model's reactions, as a view would.
#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "platform/ApplicationPort.hpp"
#include "sim/SimJournal.hpp"

namespace umbrix::sim {

class SimApplication final : public platform::ApplicationPort {
public:
    explicit SimApplication(SimJournal& journal) : journal_(journal) {}
    // Models still open are told that their windows are gone.
    ~SimApplication() override;

    void createApplicationWindow(std::string_view title) override;
    void makeApplicationWindowToolWindow() override;
    void createControllerWindow(platform::ControllerEvents& events) override;
    void openWindow(platform::ModelessWindow& window) override;
    void showWindow(platform::ModelessWindow& window, platform::WindowShow how) override;
    void hideWindow(platform::ModelessWindow& window) override;
    void placeWindow(platform::ModelessWindow& window, const platform::WindowBounds& bounds) override;
    platform::WindowId windowHandle(const platform::ModelessWindow& window) const override;
    void setWindowOpacity(platform::ModelessWindow& window, std::uint8_t alpha) override;
    void setSizingBorder(platform::ModelessWindow& window, bool shown) override;
    void closeWindow(platform::ModelessWindow& window) noexcept override;
    void setReactionErrorHandler(std::function<void(std::exception_ptr)> handler) override {
        onReactionError_ = std::move(handler);
    }
    void destroyWindows() override;
    // Dispatches what is queued, with the controller's onIdle each time the queue runs empty,
    // then returns the quit code. A loop that would wait for ever (nothing queued, no quit after
    // the idle moment) throws instead, so a test that forgot to end the program fails.
    int runMessageLoop() override;
    void quitMessageLoop(int exitCode) override;
    // The user picks the next of `menuChoices` (0: dismisses the menu); every menu is recorded.
    std::uint32_t showPopupMenu(const std::vector<platform::MenuEntry>& entries) override;
    std::deque<std::uint32_t> menuChoices;
    std::vector<std::vector<platform::MenuEntry>> menusShown;

    // PostMessageW(controller, WM_CLOSE): queued; handled when the loop runs. False when there
    // is no controller window to post to.
    bool postClose();
    // The session manager: WM_QUERYENDSESSION, then WM_ENDSESSION with the outcome (sent, so
    // handled at once). `anotherProgramRefuses` plays a program that vetoes the end. Returns
    // whether the session ended; false as well when there is no controller window.
    bool endSession(bool anotherProgramRefuses = false);

    // The user at a modeless window of type `Model`, through the reactions its view would call.
    // Only a window that shows takes input: false, doing nothing, when none of that type does.
    // With the mouse, in any window that shows:
    template <class Model>
    bool userClicks(const std::function<void(Model&)>& act) {
        Model* model = shownWindow<Model>(false);
        if (model) act(*model);
        return model != nullptr;
    }
    // With the keyboard, in the window that has the focus:
    template <class Model>
    bool userTypes(const std::function<void(Model&)>& act) {
        Model* model = shownWindow<Model>(true);
        if (model) act(*model);
        return model != nullptr;
    }
    // The user activates another program's window: the window that has the focus loses it.
    // False when none of the program's windows has it.
    bool moveFocusAway();
    // WM_CLOSE to an open window (its close box, Alt+F4); false when it is not open.
    bool requestClose(platform::ModelessWindow& window);
    // The user drags an open window to `bounds`; false when it is not open.
    bool moveOrSize(platform::ModelessWindow& window, const platform::WindowBounds& bounds);
    // The window moves to a monitor of `dpi` and takes the `suggested` bounds; false when it is
    // not open.
    bool changeDpi(platform::ModelessWindow& window, int dpi, const platform::WindowBounds& suggested);

    // Every modeless window the program has opened, in the order it did, closed ones included.
    struct HostedWindow {
        std::string name;
        std::string caption;
        platform::ModelessWindow* model = nullptr;  // null once closed
        bool visible = false;
        bool focused = false;
        int shows = 0;  // times shown and painted
        std::optional<platform::WindowBounds> bounds;  // set by placeWindow, the user or a DPI change
        platform::WindowId id;  // its handle, given when it is opened
        std::optional<std::uint8_t> alpha;  // set by setWindowOpacity: layered
        bool sizingBorder = false;
        bool isOpen() const { return model != nullptr; }
    };
    std::vector<HostedWindow> hostedWindows;
    // The window last opened under `name`; null when there was none.
    const HostedWindow* hostedWindow(std::string_view name) const;
    // The open window of `model`; null when it is not open.
    const HostedWindow* hostedWindow(const platform::ModelessWindow& model) const;
    // Windows whose creation fails, by name (CreateWindowExW returns NULL).
    std::set<std::string, std::less<>> windowsThatCannotBeCreated;

    struct Window {
        bool exists = false;
        std::string title;
        bool toolWindow = false;  // WS_EX_TOOLWINDOW
        bool appWindow = false;  // WS_EX_APPWINDOW
        bool visible = false;
    };
    Window applicationWindow;
    Window controllerWindow;
    std::optional<int> quitCode;  // the last PostQuitMessage code
    bool failWindowCreation = false;  // CreateWindowExW returns NULL

private:
    // A model's reaction to its window, as the view runs it: what escapes goes to the handler,
    // or on to the caller when there is none.
    template <class Reaction>
    void react(Reaction&& reaction) {
        try {
            reaction();
        } catch (...) {
            if (!onReactionError_) throw;
            onReactionError_(std::current_exception());
        }
    }
    std::function<void(std::exception_ptr)> onReactionError_;
    enum class Message { Close };
    void requireWindowCreation(const std::string& which);
    HostedWindow* hosted(const platform::ModelessWindow& model);
    template <class Model>
    Model* shownWindow(bool focused) {
        for (HostedWindow& window : hostedWindows) {
            if (!window.model || !window.visible || (focused && !window.focused)) continue;
            if (auto* model = dynamic_cast<Model*>(window.model)) return model;
        }
        return nullptr;
    }
    // The focused window loses the focus: WM_KILLFOCUS.
    void takeFocusAway();

    SimJournal& journal_;
    platform::ControllerEvents* events_ = nullptr;
    std::deque<Message> queue_;
    bool quitPending_ = false;  // WM_QUIT waits behind the posted messages
    // Handles of the program's windows, apart from those of the simulated desktop's windows.
    std::uint64_t nextHandle_ = 0x7F000000;
};

}  // namespace umbrix::sim
