#include "app/TrayIconPresence.hpp"

namespace umbrix::app {

TrayIconPresence::TrayIconPresence(platform::TrayPort& tray, platform::TrayIconImage image) : tray_(tray) {
    data_.image = std::move(image);
}

platform::IoResult TrayIconPresence::activate() {
    if (active_) return platform::IoResult::success();
    auto result = tray_.addIcon(data_);
    active_ = result.ok();
    return result;
}

platform::IoResult TrayIconPresence::remove() {
    if (!active_) return platform::IoResult::success();
    auto result = tray_.deleteIcon(data_.id);
    if (result) active_ = false;
    return result;
}

platform::IoResult TrayIconPresence::changeImage(platform::TrayIconImage image) {
    data_.image = std::move(image);
    if (!active_) return platform::IoResult::success();
    return tray_.modifyIcon(data_);
}

platform::IoResult TrayIconPresence::addAgainAfterTaskbarCreated() {
    if (!active_) return platform::IoResult::success();
    return tray_.addIcon(data_);
}

}  // namespace umbrix::app
