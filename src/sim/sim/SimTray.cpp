#include "sim/SimTray.hpp"

namespace umbrix::sim {

using platform::IoResult;

void SimTray::failNext(TrayRequest kind, std::uint32_t error, int times, bool actsAnyway) {
    for (int i = 0; i < times; ++i) failures_[kind].push_back({error, actsAnyway});
}

std::optional<SimTray::ScriptedFailure> SimTray::nextFailure(TrayRequest kind) {
    ++requests;
    requestLog.push_back(kind);
    auto& queue = failures_[kind];
    if (queue.empty()) return std::nullopt;
    ScriptedFailure failure = queue.front();
    queue.pop_front();
    return failure;
}

namespace {
// What Shell_NotifyIconW leaves in GetLastError under Wine when it refuses to add an icon that is
// there already or to delete one that is not: E_FAIL. A modify of a missing icon leaves nothing.
constexpr std::uint32_t kShellRefused = 0x80004005u;
}  // namespace

IoResult SimTray::answer(TrayRequest kind, bool done) {
    if (done) return IoResult::success();
    return IoResult::failure(kind == TrayRequest::Modify ? platform::errors::kNoErrorCode : kShellRefused);
}

IoResult SimTray::addIcon(const platform::TrayIconData& icon) {
    auto failure = nextFailure(TrayRequest::Add);
    if (failure && !failure->actsAnyway) return IoResult::failure(failure->error);
    bool done = icons.count(icon.id) == 0;
    if (done) icons[icon.id] = icon;
    return failure ? IoResult::failure(failure->error) : answer(TrayRequest::Add, done);
}

IoResult SimTray::modifyIcon(const platform::TrayIconData& icon) {
    auto failure = nextFailure(TrayRequest::Modify);
    if (failure && !failure->actsAnyway) return IoResult::failure(failure->error);
    auto it = icons.find(icon.id);
    bool done = it != icons.end();
    if (done) it->second = icon;
    return failure ? IoResult::failure(failure->error) : answer(TrayRequest::Modify, done);
}

IoResult SimTray::deleteIcon(std::uint32_t id) {
    auto failure = nextFailure(TrayRequest::Delete);
    if (failure && !failure->actsAnyway) return IoResult::failure(failure->error);
    bool done = icons.erase(id) != 0;
    return failure ? IoResult::failure(failure->error) : answer(TrayRequest::Delete, done);
}

void SimTray::startRetryTimer(std::uint32_t milliseconds) {
    retryTimer = milliseconds;
    sinceTimerStarted_ = 0;
}

void SimTray::letTimePass(std::uint32_t milliseconds) {
    sinceTimerStarted_ += milliseconds;
    // The handler may stop or restart the timer; each tick reads it afresh.
    while (retryTimer && *retryTimer > 0 && sinceTimerStarted_ >= *retryTimer) {
        sinceTimerStarted_ -= *retryTimer;
        if (sink_) sink_->onTrayRetryTimer();
    }
    if (!retryTimer) sinceTimerStarted_ = 0;
}

void SimTray::click(std::uint32_t id, std::uint32_t mouseMessage) {
    if (sink_ && icons.count(id)) sink_->onTrayMouseMessage(id, mouseMessage);
}

void SimTray::recreateTaskbar() {
    icons.clear();
    if (sink_) sink_->onTaskbarCreated();
}

}  // namespace umbrix::sim
