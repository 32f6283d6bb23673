#include "sim/SimApplication.hpp"

#include <stdexcept>

namespace umbrix::sim {

void SimApplication::requireWindowCreation(const char* which) {
    journal_.add(std::string("CreateWindowExW ") + which + (failWindowCreation ? " -> failed" : ""));
    if (failWindowCreation) throw std::runtime_error(std::string("cannot create the ") + which + " window");
}

void SimApplication::createApplicationWindow(std::string_view title) {
    requireWindowCreation("application");
    // A new top-level window without extended styles is an app window for the task bar.
    applicationWindow = {true, std::string(title), false, false, false};
}

void SimApplication::makeApplicationWindowToolWindow() {
    journal_.add("SetWindowLongW application tool window");
    if (!applicationWindow.exists) return;
    applicationWindow.appWindow = false;
    applicationWindow.toolWindow = true;
}

void SimApplication::createControllerWindow(platform::ControllerEvents& events) {
    requireWindowCreation("controller");
    controllerWindow = {true, {}, false, false, false};
    events_ = &events;
}

void SimApplication::createExplanationWindow(const std::vector<platform::ExplanationEntry>& entries,
                                             platform::ExplanationWindowEvents& events) {
    requireWindowCreation("explanation");
    explanationWindow = {true, {}, false, false, false};
    explanationEntries = entries;
    explanationEvents_ = &events;
}

void SimApplication::showExplanationWindow(bool visible) {
    if (!explanationWindow.exists) return;
    journal_.add(std::string("ShowWindow explanation ") + (visible ? "shown" : "hidden"));
    explanationWindow.visible = visible;
    if (visible) {
        explanationWindowHasFocus = true;
        return;
    }
    // Hiding the focused window takes its focus away: WM_KILLFOCUS arrives during ShowWindow.
    if (explanationWindowHasFocus) {
        explanationWindowHasFocus = false;
        explanationEvents_->onFocusLost();
    }
}

bool SimApplication::clickExplanationWindow() {
    if (!explanationWindow.visible) return false;
    explanationEvents_->onClick();
    if (explanationWindow.exists) explanationEvents_->onMouseUp();
    return true;
}

bool SimApplication::releaseMouseOverExplanationWindow() {
    if (!explanationWindow.visible) return false;
    explanationEvents_->onMouseUp();
    return true;
}

bool SimApplication::pressKeyInExplanationWindow() {
    if (!explanationWindow.visible || !explanationWindowHasFocus) return false;
    explanationEvents_->onKeyDown();
    return true;
}

bool SimApplication::moveFocusAwayFromExplanationWindow() {
    if (!explanationWindow.visible || !explanationWindowHasFocus) return false;
    explanationWindowHasFocus = false;
    explanationEvents_->onFocusLost();
    return true;
}

void SimApplication::showSplashWindow(const platform::SplashContent& content) {
    if (!splash.exists) {
        if (failSplashCreation) {
            journal_.add("CreateWindowExW splash -> failed");
            throw std::runtime_error("cannot create the splash window");
        }
        requireWindowCreation("splash");
    }
    journal_.add("ShowWindow splash");
    splash.exists = splash.visible = true;
    splash.content = content;
    ++splash.paints;
}

void SimApplication::closeSplashWindow() {
    if (!splash.exists) return;
    journal_.add("DestroyWindow splash");
    splash.exists = splash.visible = false;
}

void SimApplication::destroyWindows() {
    if (explanationWindow.exists) journal_.add("DestroyWindow explanation");
    explanationWindow = {};
    explanationWindowHasFocus = false;
    explanationEvents_ = nullptr;
    if (controllerWindow.exists) journal_.add("DestroyWindow controller");
    if (applicationWindow.exists) journal_.add("DestroyWindow application");
    controllerWindow.exists = false;
    applicationWindow.exists = false;
    events_ = nullptr;
}

int SimApplication::runMessageLoop() {
    journal_.add("message loop");
    bool idleSinceLastMessage = false;
    for (;;) {
        if (!queue_.empty()) {
            queue_.pop_front();  // only WM_CLOSE is ever queued
            idleSinceLastMessage = false;
            if (controllerWindow.exists && events_) events_->onClose();
            continue;
        }
        if (quitPending_) {
            quitPending_ = false;
            return *quitCode;
        }
        if (!idleSinceLastMessage) {
            // The queue ran empty: the controller's idle moment, which may post a message.
            idleSinceLastMessage = true;
            if (controllerWindow.exists && events_) events_->onIdle();
            continue;
        }
        throw std::logic_error("sim: the message loop would wait for ever (nothing posted, no quit)");
    }
}

void SimApplication::quitMessageLoop(int exitCode) {
    journal_.add("PostQuitMessage " + std::to_string(exitCode));
    quitCode = exitCode;
    quitPending_ = true;
}

bool SimApplication::postClose() {
    if (!controllerWindow.exists) return false;
    queue_.push_back(Message::Close);
    return true;
}

bool SimApplication::endSession(bool anotherProgramRefuses) {
    if (!controllerWindow.exists || !events_) return false;
    bool allowed = events_->onQueryEndSession();
    bool ends = allowed && !anotherProgramRefuses;
    // The window may be gone by now if the query closed the program; WM_ENDSESSION goes to
    // the windows that answered the query.
    if (controllerWindow.exists && events_) events_->onEndSession(ends);
    return ends;
}

std::uint32_t SimApplication::showPopupMenu(const std::vector<platform::MenuEntry>& entries) {
    journal_.add("TrackPopupMenu");
    menusShown.push_back(entries);
    if (menuChoices.empty()) return 0;
    std::uint32_t choice = menuChoices.front();
    menuChoices.pop_front();
    return choice;
}

}  // namespace umbrix::sim
