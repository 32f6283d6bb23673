#include "app/TrayIconPresence.hpp"

namespace umbrix::app {

using platform::IoResult;

namespace {
bool shellWasBusy(const IoResult& result) {
    return result.error == platform::errors::kTimeout || result.error == platform::errors::kNoErrorCode;
}
}  // namespace

TrayIconPresence::TrayIconPresence(platform::TrayPort& tray, platform::IconLocation image) : tray_(tray) {
    data_.image = std::move(image);
}

TrayIconPresence::~TrayIconPresence() {
    if (retrying()) tray_.stopRetryTimer();
}

IoResult TrayIconPresence::activate() {
    if (active_ && pending_ != Request::Delete) return IoResult::success();
    return start(Request::Add);
}

IoResult TrayIconPresence::remove() {
    // An add still being retried may have taken effect: that icon goes as well.
    if (!active_ && pending_ != Request::Add) return IoResult::success();
    return start(Request::Delete);
}

IoResult TrayIconPresence::changeImage(platform::IconLocation image) {
    data_.image = std::move(image);
    // An add being retried carries the new picture; an icon on its way out needs none.
    if (!active_ || pending_ == Request::Add || pending_ == Request::Delete) return IoResult::success();
    return start(Request::Modify);
}

IoResult TrayIconPresence::addAgainAfterTaskbarCreated() {
    if (pending_ == Request::Delete) {
        // The icon was on its way out, and the new task bar has none.
        stopRetrying();
        active_ = false;
    }
    if (!active_ && pending_ != Request::Add) return IoResult::success();
    active_ = false;
    return start(Request::Add);
}

void TrayIconPresence::retryPendingRequest() {
    if (!retrying()) {
        tray_.stopRetryTimer();
        return;
    }
    --retriesLeft_;
    const Request request = pending_;
    if (earlierAttemptTookEffect(request)) return stopRetrying();
    IoResult result = send(request);
    if (result || !shellWasBusy(result) || retriesLeft_ == 0) stopRetrying();
}

IoResult TrayIconPresence::start(Request request) {
    stopRetrying();
    IoResult result = send(request);
    if (shellWasBusy(result)) {
        pending_ = request;
        retriesLeft_ = kRetries;
        tray_.startRetryTimer(kRetryIntervalMilliseconds);
    }
    return result;
}

IoResult TrayIconPresence::send(Request request) {
    IoResult result;
    switch (request) {
        case Request::Add:
            result = tray_.addIcon(data_);
            if (result) active_ = true;
            break;
        case Request::Modify: result = tray_.modifyIcon(data_); break;
        case Request::Delete:
            result = tray_.deleteIcon(data_.id);
            if (result) active_ = false;
            break;
        case Request::None: break;
    }
    return result;
}

bool TrayIconPresence::earlierAttemptTookEffect(Request request) {
    if (request == Request::Modify) return false;
    IoResult check = tray_.modifyIcon(data_);
    if (request == Request::Add && check) {
        active_ = true;
        return true;
    }
    // A modify the shell refuses, rather than times out, finds no icon to change.
    if (request == Request::Delete && !check && check.error != platform::errors::kTimeout) {
        active_ = false;
        return true;
    }
    return false;
}

void TrayIconPresence::stopRetrying() {
    if (pending_ == Request::None) return;
    pending_ = Request::None;
    retriesLeft_ = 0;
    tray_.stopRetryTimer();
}

}  // namespace umbrix::app
