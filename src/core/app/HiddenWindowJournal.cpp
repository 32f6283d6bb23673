#include "app/HiddenWindowJournal.hpp"

#include "common/SystemError.hpp"

namespace umbrix::app {

HiddenWindowJournal::HiddenWindowJournal(engine::HiddenWindowRecovery& recovery, ErrorHook& errors)
    : recovery_(recovery), errors_(errors) {}

void HiddenWindowJournal::aboutToHide(const engine::HiddenWindowList& hidden,
                                      const std::vector<engine::HiddenWindowEntry>& toHide) {
    errors_.run("record the hidden windows before a hide",
                [&] { check(recovery_.recordBeforeHiding(hidden, toHide)); });
}

void HiddenWindowJournal::record(const engine::HiddenWindowList& hidden) { check(recovery_.record(hidden)); }

void HiddenWindowJournal::check(const platform::IoResult& written) const {
    if (!written) throw SystemError("cannot write " + recovery_.path(), written.error);
}

}  // namespace umbrix::app
