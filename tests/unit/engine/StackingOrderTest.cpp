// The desk comes back as the user left it: after a hide and an unhide the windows stand in the
// stacking order they had and the window the user worked in is active again.
#include <gmock/gmock.h>

#include <functional>

#include "EngineFixture.hpp"
#include "common/BesideExecutable.hpp"
#include "engine/HiddenWindowRecovery.hpp"

namespace umbrix::engine::testing {
namespace {

using platform::ShowState;
using platform::WindowId;

// The shown windows from the top of the stack down, and the active one.
struct Desk {
    std::vector<WindowId> stack;
    WindowId active;
    friend bool operator==(const Desk&, const Desk&) = default;
};

std::ostream& operator<<(std::ostream& out, const Desk& desk) {
    out << "stack";
    for (WindowId window : desk.stack) out << " " << window.value;
    return out << ", active " << desk.active.value;
}

class StackingOrder : public EngineFixture {
public:
    // For the cases' table.
    using EngineFixture::machine;
    using EngineFixture::open;
    using EngineFixture::state;
    using EngineFixture::text;

    ProcessId notepad = app("C:\\Windows\\notepad.exe");
    ProcessId word = app("C:\\Program Files\\Office\\WINWORD.EXE");

    Desk desk() const { return {machine.windows.visibleWindows(), machine.windows.foreground()}; }
    void hideAll() {
        ASSERT_TRUE(engine.actions().hideAllWindows(kHide));
        ASSERT_FALSE(state.hiddenWindows.empty());
    }
    // Four windows of two programs, interleaved in the stack, bottom first: the top one is active.
    std::vector<WindowId> w;
    const std::vector<WindowId>& interleaved() {
        w = {open(notepad, "Notes"), open(word, "Letter"), open(notepad, "Todo"), open(word, "Report")};
        return w;
    }
};

struct Case {
    const char* name;
    // Opens the windows; the desk it leaves is the one expected back, unless `expected` says.
    std::function<void(StackingOrder&)> arrange;
    // What happens while the windows are hidden.
    std::function<void(StackingOrder&)> whileHidden = [](StackingOrder&) {};
    // The desk expected after the unhide, from the desk before the hide.
    std::function<Desk(StackingOrder&, Desk)> expected = [](StackingOrder&, Desk before) { return before; };
};

class StackingOrderCases : public StackingOrder, public ::testing::WithParamInterface<Case> {};

std::vector<Case> cases() {
    return {
        {"ActiveWindowInTheMiddleOfTheStack",
         [](StackingOrder& t) {
             t.machine.windows.setForegroundWindow(t.interleaved()[1]);  // "Letter" to the front
         }},
        {"ActiveWindowExcludedStaysActive",
         [](StackingOrder& t) {
             t.interleaved();
             const WindowId kept = t.open(t.word, "Kept");
             t.state.exclusions.windows.append({t.text(kept), "Kept", "", std::nullopt});
             ASSERT_EQ(t.machine.windows.foreground(), kept);
         }},
        {"WindowClosedWhileHidden", [](StackingOrder& t) { t.interleaved(); },
         [](StackingOrder& t) { t.machine.windows.destroy(t.w[1]); },
         [](StackingOrder& t, Desk before) {
             std::erase(before.stack, t.w[1]);
             return before;
         }},
        {"ActiveWindowClosedWhileHiddenLeavesTheTopOneActive", [](StackingOrder& t) { t.interleaved(); },
         [](StackingOrder& t) { t.machine.windows.destroy(t.w[3]); },
         [](StackingOrder& t, Desk) {
             return Desk{{t.w[2], t.w[1], t.w[0]}, t.w[2]};
         }},
        {"MinimizedAndMaximizedKeepTheirState",
         [](StackingOrder& t) {
             const auto w = t.interleaved();
             t.machine.windows.setShowState(w[0], ShowState::Minimized);
             t.machine.windows.setShowState(w[2], ShowState::Maximized);
         }},
        {"OwnedDialogAboveItsOwnerAndActive",
         [](StackingOrder& t) {
             t.open(t.word, "Letter");
             const WindowId editor = t.open(t.notepad, "Untitled - Notepad");
             t.open(t.word, "Report");
             t.machine.windows.setForegroundWindow(editor);
             sim::SimWindows::Blueprint dialog{"Open", t.notepad};
             dialog.ownerWindow = editor;
             t.open(dialog);
         }},
    };
}

TEST_P(StackingOrderCases, TheStackAndTheActiveWindowComeBackAsTheyWere) {
    GetParam().arrange(*this);
    engine.inventory().refreshInventory();
    const Desk before = desk();
    std::map<std::uint64_t, ShowState> states;
    for (WindowId window : before.stack) states[window.value] = machine.windows.find(window)->state;

    hideAll();
    GetParam().whileHidden(*this);
    machine.windows.resetCounts();
    engine.hiddenWindows().restoreWindows();

    EXPECT_EQ(desk(), GetParam().expected(*this, before));
    for (WindowId window : desk().stack)
        EXPECT_EQ(machine.windows.find(window)->state, states[window.value]) << window.value;
    EXPECT_EQ(machine.windows.counts().restackWindows, 1) << "one move of the stack";
}

INSTANTIATE_TEST_SUITE_P(Desks, StackingOrderCases, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// After a crash the next run takes the windows back from Hidden.dat, with their places and the
// active window; a record of the first version, which knew neither, restores as it always did.
TEST_F(StackingOrder, WindowsTakenBackFromTheRecordComeBackAsTheyWere) {
    const std::string path = fileBesideExecutable(machine.system.exePath, kHiddenWindowRecordName);
    HiddenWindowRecovery recovery{machine.files, machine.windows, machine.processes, machine.clock, path};
    interleaved();
    machine.windows.setForegroundWindow(w[2]);
    engine.inventory().refreshInventory();
    const Desk before = desk();
    hideAll();
    ASSERT_TRUE(recovery.record(state.hiddenWindows));
    const std::string record = machine.files.readFile(path).value_or("");

    // The next run.
    state.hiddenWindows = HiddenWindowList{};
    ASSERT_EQ(recovery.adoptLeftovers(state.hiddenWindows), 4);
    engine.hiddenWindows().restoreWindows();
    EXPECT_EQ(desk(), before);

    // The same windows in a record of the first version: shown in its order, the last one shown
    // on top and active, and no move of the stack.
    hideAll();
    std::string firstVersion;
    for (std::size_t at = 0; at < record.size();) {
        const std::size_t end = record.find('\n', at) + 1;
        const std::string line = record.substr(at, end - at);
        if (!line.starts_with("place ") && !line.starts_with("active ")) firstVersion += line;
        at = end;
    }
    machine.files.putFile(path, firstVersion);
    state.hiddenWindows = HiddenWindowList{};
    ASSERT_EQ(recovery.adoptLeftovers(state.hiddenWindows), 4);
    const WindowId lastShown = windowFromHandleText(state.hiddenWindows.entries().back().handleText);
    machine.windows.resetCounts();
    engine.hiddenWindows().restoreWindows();
    EXPECT_EQ(machine.windows.counts().restackWindows, 0);
    EXPECT_EQ(machine.windows.foreground(), lastShown);
    EXPECT_EQ(machine.windows.visibleWindows().front(), lastShown);
}

// Windows hidden by two hides come back with the first hide's windows above the second's, and
// the window active before the first hide active again.
TEST_F(StackingOrder, TwoHidesComeBackFirstHidesWindowsOnTop) {
    interleaved();
    const WindowId report = w[3];
    options.hideParentWindows = true;
    engine.inventory().refreshInventory();
    ASSERT_TRUE(engine.actions().hideActiveApplication(ActionSender::HideHotkey, kHide));  // Word's windows
    hideAll();  // then Notepad's
    engine.hiddenWindows().restoreWindows();
    EXPECT_EQ(desk(), (Desk{{w[3], w[1], w[2], w[0]}, report}));
}

// A window brought back alone from the hidden-window page comes to the front, as asked.
TEST_F(StackingOrder, AWindowShownAloneComesToTheFront) {
    interleaved();
    engine.inventory().refreshInventory();
    hideAll();
    engine.hiddenWindows().showHiddenWindow(w[0]);
    engine.hiddenWindows().showHiddenWindow(w[2]);
    EXPECT_EQ(desk(), (Desk{{w[2], w[0]}, w[2]}));
}

}  // namespace
}  // namespace umbrix::engine::testing
