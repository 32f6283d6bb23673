// The window engine against the adapters: what the real program does with another
// application's windows.
#include <gtest/gtest.h>

#include "DesktopProbe.hpp"
#include "RecordingEngineLinks.hpp"
#include "common/TextCompare.hpp"
#include "engine/HandleText.hpp"
#include "engine/WindowEngine.hpp"

namespace umbrix::contract {
namespace {

using platform::WindowId;

class EngineOnDesktop : public ::testing::Test {
protected:
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::Platform ports = env->platform();
    engine::testing::RecordingEngineLinks links;
    settings::Options options;
    engine::WindowEngine engine{ports, links.links(), options};
    engine::EngineState& state = engine.state();

    // On a real desktop the actions must touch nothing but the probe: every other titled window
    // goes on the window exclusions, which keep it out of the inventory.
    void confineTo(const DesktopProbe& probe) {
        ports.windows.enumWindows([&](WindowId window) {
            const auto owner = ports.windows.windowProcessId(window);
            const std::string title = ports.windows.windowText(window);
            if (owner && *owner != probe.processId() && !title.empty())
                state.exclusions.windows.append({engine::handleText(window), title, "", std::nullopt});
            return true;
        });
    }

    // Whatever failed, nothing stays hidden.
    void TearDown() override {
        if (!state.hiddenWindows.empty()) engine.hiddenWindows().restoreWindows();
    }

    // The entries of these windows, in list order.
    template <class Entry>
    static std::vector<Entry> entriesOf(const std::vector<Entry>& entries, const std::vector<WindowId>& windows) {
        std::vector<Entry> found;
        for (const Entry& entry : entries) {
            for (WindowId window : windows) {
                if (entry.handleText == engine::handleText(window)) found.push_back(entry);
            }
        }
        return found;
    }
};

TEST_F(EngineOnDesktop, RefreshListsTheProbeWindowsWithTheirExecutableAndIcon) {
    auto probe = startProbe(*env, {{"Umbrix engine A"}, {"Umbrix engine B"}, {"Umbrix engine hidden", true}});
    std::vector<WindowId> all = probe->windows();
    all.push_back(probe->sink());

    engine.inventory().refreshInventory();

    const auto listed = entriesOf(state.visibleWindows.entries(), all);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].title, "Umbrix engine B");
    EXPECT_EQ(listed[1].title, "Umbrix engine A");
    const std::string path = *ports.processes.processImagePath(probe->processId());
    for (const auto& entry : listed) {
        EXPECT_EQ(entry.processPath, path);
        EXPECT_GT(entry.imageIndex, 0);
    }
    EXPECT_EQ(listed[0].imageIndex, listed[1].imageIndex);
}

TEST_F(EngineOnDesktop, HideAllThenRestoreBringsEveryWindowBack) {
    auto probe = startProbe(*env, {{"Umbrix engine bottom"}, {"Umbrix engine top"}});
    confineTo(*probe);
    const WindowId bottom = probe->windows()[0];
    const WindowId top = probe->windows()[1];

    ASSERT_TRUE(engine.actions().hideAllWindows(engine::kHide));

    EXPECT_FALSE(ports.windows.isWindowVisible(top));
    EXPECT_FALSE(ports.windows.isWindowVisible(bottom));
    EXPECT_TRUE(ports.windows.isWindowVisible(probe->sink()));  // untitled: never hidden
    const auto recorded = entriesOf(state.hiddenWindows.entries(), probe->windows());
    ASSERT_EQ(recorded.size(), 2u);
    EXPECT_EQ(recorded[0].handleText, engine::handleText(top));
    EXPECT_EQ(recorded[1].handleText, engine::handleText(bottom));

    engine.hiddenWindows().restoreWindows();

    EXPECT_TRUE(ports.windows.isWindowVisible(top));
    EXPECT_TRUE(ports.windows.isWindowVisible(bottom));
    EXPECT_TRUE(state.hiddenWindows.empty());
    EXPECT_EQ(entriesOf(state.visibleWindows.entries(), probe->windows()).size(), 2u);
}

TEST_F(EngineOnDesktop, HideActiveTakesTheForegroundApplicationsWindows) {
    auto probe = startProbe(*env, {{"Umbrix engine one"}, {"Umbrix engine two"}});
    confineTo(*probe);
    links.panicHandle = probe->sink();  // a recorded panic window: hotkeys act on the foreground
    engine.inventory().refreshInventory();
    ASSERT_TRUE(ports.windows.setForegroundWindow(probe->windows()[1]));
    ASSERT_TRUE(probe->waitUntil([&] { return ports.windows.foregroundWindow() == probe->windows()[1]; }));

    ASSERT_TRUE(engine.actions().hideActiveApplication(engine::ActionSender::HideHotkey, engine::kHide));

    EXPECT_FALSE(ports.windows.isWindowVisible(probe->windows()[0]));
    EXPECT_FALSE(ports.windows.isWindowVisible(probe->windows()[1]));
    EXPECT_EQ(entriesOf(state.hiddenWindows.entries(), probe->windows()).size(), 2u);
    engine.hiddenWindows().restoreWindows();
    EXPECT_TRUE(ports.windows.isWindowVisible(probe->windows()[0]));
}

TEST_F(EngineOnDesktop, CloseAllAsksEveryProbeWindowToClose) {
    auto probe = startProbe(*env, {{"Umbrix engine close 1"}, {"Umbrix engine close 2"}});
    confineTo(*probe);
    ASSERT_TRUE(engine.actions().closeAllWindows(0));
    EXPECT_TRUE(probe->waitUntil([&] { return probe->hasEnded(); }));
    EXPECT_TRUE(state.hiddenWindows.empty());
}

}  // namespace
}  // namespace umbrix::contract
