#pragma once
// The activation as the hotkeys reach it: every dispatch, however it ends, leaves the on-disk
// record of the hidden windows as the hidden-window list now stands.
#include <functional>
#include <utility>

#include "hotkeys/ActivationDispatch.hpp"

namespace umbrix::app {

class RecordedActivation final : public hotkeys::DefaultHotKeyDispatcher, public hotkeys::HotKeyComponentDispatcher {
public:
    template <class Activation>
    RecordedActivation(Activation& activation, std::function<void()> recordHiddenWindows)
        : defaultSet_(activation), components_(activation), record_(std::move(recordHiddenWindows)) {}

    void GetHotKeys(hotkeys::ActivationSender sender, std::int32_t messageSent) override {
        Recording recording(record_);
        defaultSet_.GetHotKeys(sender, messageSent);
    }
    void DoHotKey(hotkeys::ActivationSender sender) override {
        Recording recording(record_);
        components_.DoHotKey(sender);
    }

private:
    // Records when the dispatch returns, and when an error leaves it.
    struct Recording {
        std::function<void()>& record;
        ~Recording() { record(); }
    };

    hotkeys::DefaultHotKeyDispatcher& defaultSet_;
    hotkeys::HotKeyComponentDispatcher& components_;
    std::function<void()> record_;
};

}  // namespace umbrix::app
