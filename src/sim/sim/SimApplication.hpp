#pragma once
// The simulated process's own hidden windows and its message queue. The rest of the simulated
// system (another program, the session manager) reaches the program through postClose() and
// endSession(), which deliver the messages a real controller window would receive.
#include <deque>
#include <optional>
#include <string>

#include "platform/ApplicationPort.hpp"
#include "sim/SimJournal.hpp"

namespace umbrix::sim {

class SimApplication final : public platform::ApplicationPort {
public:
    explicit SimApplication(SimJournal& journal) : journal_(journal) {}

    void createApplicationWindow(std::string_view title) override;
    void makeApplicationWindowToolWindow() override;
    void createControllerWindow(platform::ControllerEvents& events) override;
    void createExplanationWindow(const std::vector<platform::ExplanationEntry>& entries,
                                 platform::ExplanationWindowEvents& events) override;
    void showExplanationWindow(bool visible) override;
    void showSplashWindow(const platform::SplashContent& content) override;
    void closeSplashWindow() override;
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

    // The user at the explanation window. Only a shown window takes input: each answers false,
    // doing nothing, when the window is hidden or gone.
    bool clickExplanationWindow();  // a left click: the click, then the button's release
    bool releaseMouseOverExplanationWindow();  // another button released over it
    bool pressKeyInExplanationWindow();
    bool moveFocusAwayFromExplanationWindow();  // the user activates another window

    struct Window {
        bool exists = false;
        std::string title;
        bool toolWindow = false;  // WS_EX_TOOLWINDOW
        bool appWindow = false;  // WS_EX_APPWINDOW
        bool visible = false;
    };
    Window applicationWindow;
    Window controllerWindow;
    Window explanationWindow;
    std::vector<platform::ExplanationEntry> explanationEntries;
    bool explanationWindowHasFocus = false;
    struct Splash {
        bool exists = false;
        bool visible = false;
        int paints = 0;  // times shown and painted
        platform::SplashContent content;
    };
    Splash splash;
    std::optional<int> quitCode;  // the last PostQuitMessage code
    bool failWindowCreation = false;  // CreateWindowExW returns NULL
    bool failSplashCreation = false;  // ... for the splash window only

private:
    enum class Message { Close };
    void requireWindowCreation(const char* which);

    SimJournal& journal_;
    platform::ControllerEvents* events_ = nullptr;
    platform::ExplanationWindowEvents* explanationEvents_ = nullptr;
    std::deque<Message> queue_;
    bool quitPending_ = false;  // WM_QUIT waits behind the posted messages
};

}  // namespace umbrix::sim
