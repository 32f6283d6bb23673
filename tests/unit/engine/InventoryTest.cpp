#include "EngineFixture.hpp"

namespace umbrix::engine::testing {
namespace {

using platform::ShowState;

class Inventory : public EngineFixture {
protected:
    ProcessId notepad = app("C:\\Windows\\notepad.exe");
    ProcessId word = app("C:\\Program Files\\Office\\WINWORD.EXE");
    WindowInventory& inventory = engine.inventory();
};

TEST_F(Inventory, FilterChainKeepsOnlyVisibleTitledWindowsOfTheUser) {
    const ProcessId delphi = app("c:\\program files\\embarcadero\\bin\\bds.exe");
    struct Case {
        sim::SimWindows::Blueprint blueprint;
        bool listed;
    } cases[] = {
        {{"Untitled - Notepad", notepad}, true},
        {{"", notepad}, false},  // untitled
        {{"Program Manager", notepad}, false},  // the desktop
        {{"program manager", notepad}, false},  // in any letter case
        {{"ubx 7 FOR office (portable)", word}, false},  // our own main window
        {{"Hidden helper", word, false}, false},  // not visible
        {{"Settings", word, true, ShowState::Normal, 1u}, false},  // cloaked
        {{"No compositor", word, true, ShowState::Normal, std::nullopt}, true},  // failed query: not cloaked
        {{"Minimized letter", word, true, ShowState::Minimized}, true},
        {{"Project1 - RAD Studio", delphi}, false},  // "BIN\BDS.EXE" in any case
    };
    std::vector<std::string> expected;
    for (const auto& c : cases) {
        open(c.blueprint);
        if (c.listed) expected.insert(expected.begin(), c.blueprint.title);  // each opens on top
    }

    inventory.refreshInventory();

    EXPECT_EQ(visibleTitles(), expected);
}

TEST_F(Inventory, OptionsAndStateTheFiltersReadAtTheMomentOfTheTest) {
    open({"Settings", word, true, ShowState::Normal, 2u});
    const WindowId decoy = open(notepad, "Decoy - Notepad");
    open(notepad, "Letter - Notepad");

    options.ignoreCloakedWindows = false;
    state.decoyAppHandle = decoy;
    inventory.refreshInventory();
    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"Letter - Notepad", "Settings"}));

    // The caption is read anew: after a language switch the filter follows it.
    links.caption = "Letter - Notepad";
    options.ignoreCloakedWindows = true;
    state.decoyAppHandle = WindowId{};
    inventory.refreshInventory();
    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"Decoy - Notepad"}));
}

TEST_F(Inventory, EntriesCarryHandleTextTruncatedTitleExecutableAndIcon) {
    const std::string longTitle(300, 'x');
    const WindowId window = open(word, longTitle);

    inventory.refreshInventory();

    ASSERT_EQ(state.visibleWindows.size(), 1u);
    const WindowEntry& entry = state.visibleWindows[0];
    EXPECT_EQ(entry.handleText, text(window));
    EXPECT_EQ(entry.title, std::string(254, 'x'));
    EXPECT_EQ(entry.processPath, "C:\\Program Files\\Office\\WINWORD.EXE");
    EXPECT_EQ(machine.icons.iconAt(state.imageList, entry.imageIndex), "icon of WINWORD.EXE");
}

TEST_F(Inventory, ProcessPathsInEveryFormTheProcessAllows) {
    const ProcessId locked = app("C:\\Windows\\System32\\taskmgr.exe", /*refusesOpen=*/true);
    const ProcessId ended = app("C:\\Tools\\gone.exe");
    open(locked, "Task Manager");
    open(ProcessId{0}, "Idle owner");
    open(ended, "Orphan");
    machine.processes.end(ended);
    open(notepad, "Untitled - Notepad");

    inventory.refreshInventory();

    ASSERT_EQ(state.visibleWindows.size(), 4u);
    EXPECT_EQ(state.visibleWindows[0].processPath, "C:\\Windows\\notepad.exe");
    EXPECT_EQ(state.visibleWindows[1].processPath, "");  // not in the snapshot, still listed
    EXPECT_EQ(state.visibleWindows[1].imageIndex, 0);
    EXPECT_EQ(state.visibleWindows[2].processPath, "System Idle Process");
    EXPECT_EQ(state.visibleWindows[3].processPath, "taskmgr.exe");  // the snapshot's file name
    EXPECT_EQ(state.visibleWindows[3].imageIndex, 0);  // a bare name has no icon: the neutral one
    EXPECT_EQ(machine.icons.iconAt(state.imageList, 0), sim::SimIcons::kNeutralIcon);

    // Without a snapshot every path is empty, and the windows are still listed.
    machine.processes.snapshotsFail = true;
    inventory.refreshInventory();
    ASSERT_EQ(state.visibleWindows.size(), 4u);
    for (const auto& entry : state.visibleWindows.entries()) EXPECT_EQ(entry.processPath, "") << entry.title;
}

TEST_F(Inventory, OneSnapshotPerRefreshAndEachProcessOpenedAtMostOnce) {
    for (int i = 0; i < 5; ++i) open(notepad, "Note " + std::to_string(i));
    for (int i = 0; i < 3; ++i) open(word, "Doc " + std::to_string(i));
    const ProcessId locked = app("C:\\Windows\\System32\\taskmgr.exe", true);
    open(locked, "Task Manager");
    open(locked, "Task Manager details");

    inventory.refreshInventory();

    EXPECT_EQ(state.visibleWindows.size(), 10u);
    EXPECT_EQ(machine.processes.counts().snapshots, 1);
    EXPECT_EQ(machine.processes.counts().opens, 3);  // notepad, word, task manager (refused once)
    // One icon per executable: windows of one application share it.
    EXPECT_EQ(state.visibleWindows[0].imageIndex, state.visibleWindows[1].imageIndex);
    EXPECT_NE(state.visibleWindows[2].imageIndex, state.visibleWindows[9].imageIndex);

    // The next refresh looks again; nothing is carried over but the icons.
    inventory.refreshInventory();
    EXPECT_EQ(machine.processes.counts().snapshots, 2);
    EXPECT_EQ(machine.processes.counts().opens, 6);
    EXPECT_EQ(machine.icons.imageCount(state.imageList), 3);  // neutral, notepad, word
}

TEST_F(Inventory, RefreshesTwiceToTheSameListAndFollowsTheZOrder) {
    const WindowId first = open(notepad, "First");
    open(word, "Second");
    open(notepad, "Third");

    inventory.refreshInventory();
    const auto once = state.visibleWindows.entries();
    inventory.refreshInventory();
    EXPECT_EQ(state.visibleWindows.entries(), once);
    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"Third", "Second", "First"}));

    machine.windows.moveToTop(first);
    inventory.refreshInventory();
    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"First", "Third", "Second"}));
    // Every top-level window was collected, the hidden panic button window too.
    EXPECT_EQ(inventory.handles().size(), 4u);
}

TEST_F(Inventory, AWindowThatClosesDuringTheRefreshIsSkipped) {
    open(notepad, "Stays");
    const WindowId leaving = open(word, "Leaves");
    open(notepad, "Also stays");
    // Gone right after the enumeration, before its title is read.
    machine.windows.afterCalls(1, [&] { machine.windows.destroy(leaving); });
    inventory.refreshInventory();
    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"Also stays", "Stays"}));

    // Gone once it had passed the visibility test, when its process is looked up: listed as it
    // was seen, without a path.
    const WindowId late = open(word, "Late");
    machine.windows.afterCalls(4, [&] { machine.windows.destroy(late); });  // enum, text, cloak, visible
    inventory.refreshInventory();
    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"Late", "Also stays", "Stays"}));
    EXPECT_EQ(state.visibleWindows[0].processPath, "");
    EXPECT_EQ(state.visibleWindows[1].processPath, "C:\\Windows\\notepad.exe");
}

TEST_F(Inventory, WindowExclusionsMatchByTitleAndTakeTheHandle) {
    const WindowId letter = open(notepad, "Letter - Notepad");
    const WindowId renamed = open(word, "Budget.docx - Word");
    open(notepad, "Shopping - Notepad");
    auto& exclusions = state.exclusions.windows;
    exclusions.append({"1", "LETTER - NOTEPAD", "C:\\Windows\\notepad.exe", std::nullopt});
    exclusions.append({"2", "letter - notepad", "C:\\Windows\\notepad.exe", std::nullopt});
    exclusions.append({text(renamed), "Budget (old title).docx - Word", "", std::nullopt});

    inventory.refreshInventory();

    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"Shopping - Notepad"}));
    EXPECT_EQ(exclusions[0].handleText, text(letter));  // only the first of the same title
    EXPECT_EQ(exclusions[1].handleText, "2");
    // The renamed window is still kept out through its stored handle.
    EXPECT_EQ(exclusions[2].handleText, text(renamed));
}

TEST_F(Inventory, RefreshCommandShowsTheHourglassMeanwhileEvenWhenItFails) {
    open(word, "Doc");
    machine.windows.beforeEachCall = [&](std::string_view call, WindowId) {
        if (call == "enumWindows") links.log.push_back("enumWindows");
    };
    inventory.refreshWindowList();
    EXPECT_EQ(links.log, (std::vector<std::string>{"waitCursor", "enumWindows", "arrowCursor"}));
    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"Doc"}));

    links.log.clear();
    machine.windows.beforeEachCall = [](std::string_view, WindowId) { throw InjectedFault(); };
    EXPECT_THROW(inventory.refreshWindowList(), InjectedFault);
    EXPECT_EQ(links.log, (std::vector<std::string>{"waitCursor", "arrowCursor"}));
}

TEST_F(Inventory, WindowProcessPathAloneTakesItsOwnSnapshot) {
    const WindowId window = open(word, "Doc");
    EXPECT_EQ(inventory.windowProcessPath(window), "C:\\Program Files\\Office\\WINWORD.EXE");
    EXPECT_EQ(inventory.windowProcessPath(WindowId{12345}), "");  // not a window
    EXPECT_EQ(machine.processes.counts().snapshots, 1);
}

TEST_F(Inventory, ImageIndexIsZeroWheneverTheShellHasNoIcon) {
    EXPECT_EQ(inventory.getImageIndex(""), 0);
    EXPECT_EQ(inventory.getImageIndex("C:\\nowhere\\missing.exe"), 0);
    const int word_icon = inventory.getImageIndex("C:\\Program Files\\Office\\WINWORD.EXE");
    EXPECT_GT(word_icon, 0);
    EXPECT_EQ(inventory.getImageIndex("c:\\program files\\office\\winword.exe"), word_icon);
    EXPECT_EQ(machine.icons.iconAt(state.imageList, word_icon), "icon of WINWORD.EXE");
}

}  // namespace
}  // namespace umbrix::engine::testing
