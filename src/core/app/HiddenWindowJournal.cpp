#include "app/HiddenWindowJournal.hpp"

#include <stdexcept>

namespace umbrix::app {

HiddenWindowJournal::HiddenWindowJournal(engine::HiddenWindowRecovery& recovery, ErrorHook& errors)
    : recovery_(recovery), errors_(errors) {}

void HiddenWindowJournal::aboutToHide(const engine::HiddenWindowList& hidden,
                                      const std::vector<std::string>& handleTexts) {
    errors_.run([&] { check(recovery_.recordBeforeHiding(hidden, handleTexts)); });
}

void HiddenWindowJournal::record(const engine::HiddenWindowList& hidden) { check(recovery_.record(hidden)); }

void HiddenWindowJournal::check(const platform::IoResult& written) const {
    if (!written)
        throw std::runtime_error("cannot write " + recovery_.path() + " (Windows error " +
                                 std::to_string(written.error) + ")");
}

}  // namespace umbrix::app
