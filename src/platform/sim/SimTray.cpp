#include "platform/sim/SimTray.hpp"

namespace umbrix::sim {

using platform::IoResult;

namespace {
// Shell_NotifyIconW reports a refused request as FALSE without a particular error code.
constexpr std::uint32_t kRefused = 0;
}  // namespace

bool SimTray::failNow(IoResult& result) {
    ++requests;
    if (failures.empty()) return false;
    result = IoResult::failure(failures.front());
    failures.pop_front();
    return true;
}

IoResult SimTray::addIcon(const platform::TrayIconData& icon) {
    IoResult result;
    if (failNow(result)) return result;
    if (icons.count(icon.id)) return IoResult::failure(kRefused);
    icons[icon.id] = icon;
    return IoResult::success();
}

IoResult SimTray::modifyIcon(const platform::TrayIconData& icon) {
    IoResult result;
    if (failNow(result)) return result;
    auto it = icons.find(icon.id);
    if (it == icons.end()) return IoResult::failure(kRefused);
    it->second = icon;
    return IoResult::success();
}

IoResult SimTray::deleteIcon(std::uint32_t id) {
    IoResult result;
    if (failNow(result)) return result;
    return icons.erase(id) ? IoResult::success() : IoResult::failure(kRefused);
}

void SimTray::click(std::uint32_t id, std::uint32_t mouseMessage) {
    if (sink_ && icons.count(id)) sink_->onTrayMouseMessage(id, mouseMessage);
}

void SimTray::recreateTaskbar() {
    icons.clear();
    if (sink_) sink_->onTaskbarCreated();
}

}  // namespace umbrix::sim
