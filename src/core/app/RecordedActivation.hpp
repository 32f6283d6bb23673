#pragma once
// The activation as the hotkeys reach it: every dispatch, whether it returns or fails, leaves
// the on-disk record of the hidden windows as the hidden-window list now stands.
#include <exception>
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
        recordingAfter([&] { defaultSet_.GetHotKeys(sender, messageSent); });
    }
    void DoHotKey(hotkeys::ActivationSender sender) override {
        recordingAfter([&] { components_.DoHotKey(sender); });
    }

private:
    // Records when the dispatch returns, and when an error leaves it. What is not an error (the
    // program's death) leaves at once, as a crash does, with nothing written after.
    template <class Dispatch>
    void recordingAfter(Dispatch&& dispatch) {
        try {
            dispatch();
        } catch (const std::exception&) {
            record_();
            throw;
        }
        record_();
    }

    hotkeys::DefaultHotKeyDispatcher& defaultSet_;
    hotkeys::HotKeyComponentDispatcher& components_;
    std::function<void()> record_;
};

}  // namespace umbrix::app
