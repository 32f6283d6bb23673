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

}  // namespace umbrix::app
