#include "sim/SimApplication.hpp"

#include <stdexcept>

namespace umbrix::sim {

void SimApplication::requireWindowCreation(const std::string& which) {
    const bool fails = failWindowCreation || windowsThatCannotBeCreated.contains(which);
    journal_.add("CreateWindowExW " + which + (fails ? " -> failed" : ""));
    if (fails) throw std::runtime_error("cannot create the " + which);
}

void SimApplication::createApplicationWindow(std::string_view title) {
    requireWindowCreation("application window");
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
    requireWindowCreation("controller window");
    controllerWindow = {true, {}, false, false, false};
    events_ = &events;
}

SimApplication::HostedWindow* SimApplication::hosted(const platform::ModelessWindow& model) {
    for (HostedWindow& window : hostedWindows) {
        if (window.model == &model) return &window;
    }
    return nullptr;
}

const SimApplication::HostedWindow* SimApplication::hostedWindow(const platform::ModelessWindow& model) const {
    return const_cast<SimApplication*>(this)->hosted(model);
}

const SimApplication::HostedWindow* SimApplication::hostedWindow(std::string_view name) const {
    for (auto window = hostedWindows.rbegin(); window != hostedWindows.rend(); ++window) {
        if (window->name == name) return &*window;
    }
    return nullptr;
}

void SimApplication::openWindow(platform::ModelessWindow& window) {
    if (hosted(window)) return;
    requireWindowCreation(window.name());
    HostedWindow entry;
    entry.name = window.name();
    entry.caption = window.caption();
    entry.model = &window;
    entry.id = platform::WindowId{nextHandle_++};
    hostedWindows.push_back(std::move(entry));
    window.hostOpened(*this);
}

void SimApplication::takeFocusAway() {
    for (HostedWindow& window : hostedWindows) {
        if (!window.model || !window.focused) continue;
        window.focused = false;
        platform::ModelessWindow* model = window.model;
        react([model] { model->onFocusLost(); });
        return;  // one window has the focus
    }
}

void SimApplication::showWindow(platform::ModelessWindow& window, platform::WindowShow how) {
    if (!hosted(window)) return;
    journal_.add("ShowWindow " + window.name() + " shown");
    const bool activate = how == platform::WindowShow::Activate;
    if (activate && !hosted(window)->focused) takeFocusAway();
    // Looked up again: the reaction to the lost focus may have closed windows.
    HostedWindow* shown = hosted(window);
    if (!shown) return;
    shown->visible = true;
    ++shown->shows;
    if (activate) shown->focused = true;
}

void SimApplication::hideWindow(platform::ModelessWindow& window) {
    HostedWindow* hidden = hosted(window);
    if (!hidden) return;
    journal_.add("ShowWindow " + window.name() + " hidden");
    hidden->visible = false;
    // Hiding the focused window takes its focus away: WM_KILLFOCUS arrives during ShowWindow.
    if (hidden->focused) takeFocusAway();
}

void SimApplication::placeWindow(platform::ModelessWindow& window, const platform::WindowBounds& bounds) {
    HostedWindow* placed = hosted(window);
    if (!placed) return;
    journal_.add("SetWindowPos " + window.name());
    placed->bounds = bounds;
}

void SimApplication::closeWindow(platform::ModelessWindow& window) noexcept {
    HostedWindow* closed = hosted(window);
    if (!closed) return;
    journal_.add("DestroyWindow " + closed->name);
    // Gone without a word: the view stops talking to its model before the window goes.
    closed->model = nullptr;
    closed->visible = closed->focused = false;
    window.hostClosed();
}

bool SimApplication::moveFocusAway() {
    for (const HostedWindow& window : hostedWindows) {
        if (window.model && window.focused) {
            takeFocusAway();
            return true;
        }
    }
    return false;
}

bool SimApplication::requestClose(platform::ModelessWindow& window) {
    if (!hosted(window)) return false;
    react([&window] { window.onCloseRequest(); });
    return true;
}

platform::WindowId SimApplication::windowHandle(const platform::ModelessWindow& window) const {
    const HostedWindow* open = hostedWindow(window);
    return open ? open->id : platform::WindowId{};
}

void SimApplication::setWindowOpacity(platform::ModelessWindow& window, std::uint8_t alpha) {
    if (HostedWindow* open = hosted(window)) open->alpha = alpha;
}

void SimApplication::setSizingBorder(platform::ModelessWindow& window, bool shown) {
    if (HostedWindow* open = hosted(window)) open->sizingBorder = shown;
}

bool SimApplication::moveOrSize(platform::ModelessWindow& window, const platform::WindowBounds& bounds) {
    HostedWindow* moved = hosted(window);
    if (!moved) return false;
    moved->bounds = bounds;
    react([&window, &bounds] { window.onMovedOrSized(bounds); });
    return true;
}

bool SimApplication::changeDpi(platform::ModelessWindow& window, int dpi, const platform::WindowBounds& suggested) {
    HostedWindow* moved = hosted(window);
    if (!moved) return false;
    if (!window.keepsScreenPixels()) moved->bounds = suggested;
    react([&window, dpi] { window.onDpiChanged(dpi); });
    return true;
}

SimApplication::~SimApplication() {
    for (HostedWindow& window : hostedWindows) {
        if (window.model) window.model->hostClosed();
    }
}

void SimApplication::destroyWindows() {
    for (auto window = hostedWindows.rbegin(); window != hostedWindows.rend(); ++window) {
        if (window->model) closeWindow(*window->model);
    }
    if (controllerWindow.exists) journal_.add("DestroyWindow controller window");
    if (applicationWindow.exists) journal_.add("DestroyWindow application window");
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
