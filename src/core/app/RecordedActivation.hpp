#pragma once
// The activation as the hotkeys reach it: every dispatch, whether it returns or fails, leaves
// the on-disk record of the hidden windows as the hidden-window list now stands.
#include <exception>
#include <functional>
#include <utility>

#include "hotkeys/ActivationDispatch.hpp"

namespace umbrix::app {

class RecordedActivation final : public hotkeys::DefaultHotkeyDispatcher, public hotkeys::HotkeyComponentDispatcher {
public:
    template <class Activation>
    RecordedActivation(Activation& activation, std::function<void()> recordHiddenWindows)
        : defaultSet_(activation), components_(activation), record_(std::move(recordHiddenWindows)) {}

    void dispatchDefaultHotkey(hotkeys::ActivationSender sender, std::int32_t messageSent) override {
        recordingAfter([&] { defaultSet_.dispatchDefaultHotkey(sender, messageSent); });
    }
    void dispatchComponentHotkey(hotkeys::ActivationSender sender) override {
        recordingAfter([&] { components_.dispatchComponentHotkey(sender); });
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

    hotkeys::DefaultHotkeyDispatcher& defaultSet_;
    hotkeys::HotkeyComponentDispatcher& components_;
    std::function<void()> record_;
};

}  // namespace umbrix::app
