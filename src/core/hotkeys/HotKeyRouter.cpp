#include "hotkeys/HotKeyRouter.hpp"

#include <algorithm>
#include <stdexcept>

namespace umbrix::hotkeys {

HotKeyRouter::HotKeyRouter(platform::HotkeyPort& port, ErrorHandler onError)
    : port_(port), onError_(std::move(onError)) {
    if (!onError_) throw std::invalid_argument("the hotkey router needs the program's error handler");
    port_.setMessageSink(this);
}

HotKeyRouter::~HotKeyRouter() { port_.setMessageSink(nullptr); }

void HotKeyRouter::hook(HotKeyHook& hook) {
    if (!isHooked(hook)) hooks_.push_back(&hook);
}

void HotKeyRouter::unhook(HotKeyHook& hook) { std::erase(hooks_, &hook); }

bool HotKeyRouter::isHooked(const HotKeyHook& hook) const {
    return std::find(hooks_.begin(), hooks_.end(), &hook) != hooks_.end();
}

template <class Action>
void HotKeyRouter::guarded(Action&& action) {
    try {
        action();
    } catch (...) {
        onError_(std::current_exception());
    }
}

void HotKeyRouter::onHotKeyMessage(platform::HotkeyWindow window, std::int32_t identifier) {
    ++depth_;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{depth_};

    if (applicationHook_) guarded([&] { applicationHook_->GetHotKeys(ActivationSender::None, identifier); });

    // A hook may release components, its own included, while it runs (a modal window inside
    // can see more hotkeys): walk a copy and skip what is gone.
    const std::vector<HotKeyHook*> hooks = hooks_;
    for (HotKeyHook* hook : hooks) {
        if (!isHooked(*hook)) continue;
        if (hook->hookWindow() == window && hook->hookIdentifier() == identifier)
            guarded([&] { hook->onHookedHotKey(); });
    }
}

}  // namespace umbrix::hotkeys
