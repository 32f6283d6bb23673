#include "hotkeys/HotkeyRouter.hpp"

#include <algorithm>
#include <stdexcept>

namespace umbrix::hotkeys {

HotkeyRouter::HotkeyRouter(platform::HotkeyPort& port, ErrorHandler onError)
    : port_(port), onError_(std::move(onError)) {
    if (!onError_) throw std::invalid_argument("the hotkey router needs the program's error handler");
    port_.setMessageSink(this);
}

HotkeyRouter::~HotkeyRouter() { port_.setMessageSink(nullptr); }

void HotkeyRouter::hook(HotkeyHook& hook) {
    if (!isHooked(hook)) hooks_.push_back(&hook);
}

void HotkeyRouter::unhook(HotkeyHook& hook) { std::erase(hooks_, &hook); }

bool HotkeyRouter::isHooked(const HotkeyHook& hook) const {
    return std::find(hooks_.begin(), hooks_.end(), &hook) != hooks_.end();
}

template <class Action>
void HotkeyRouter::guarded(Action&& action) {
    try {
        action();
    } catch (...) {
        onError_(std::current_exception());
    }
}

void HotkeyRouter::onHotkeyMessage(platform::HotkeyWindow window, std::int32_t identifier) {
    ++depth_;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{depth_};

    if (applicationHook_) guarded([&] { applicationHook_->dispatchDefaultHotkey(ActivationSender::None, identifier); });

    // A hook may release components, its own included, while it runs (a modal window inside
    // can see more hotkeys): walk a copy and skip what is gone.
    const std::vector<HotkeyHook*> hooks = hooks_;
    for (HotkeyHook* hook : hooks) {
        if (!isHooked(*hook)) continue;
        if (hook->hookWindow() == window && hook->hookIdentifier() == identifier)
            guarded([&] { hook->onHookedHotkey(); });
    }
    if (afterHotkey_ && depth_ == 1) guarded([&] { afterHotkey_(); });
}

}  // namespace umbrix::hotkeys
