// The main window's exclusion page over the window engine: its buttons and selections.
#include "EngineFixture.hpp"

namespace umbrix::engine::testing {
namespace {

class ExclusionPage : public EngineFixture {
protected:
    ProcessId notepad = app("C:\\Windows\\notepad.exe");
    ProcessId word = app("C:\\Program Files\\Office\\WINWORD.EXE");
    ui::ExclusionPageModel& page = exclusionPage;
    ExclusionList& lists = state.exclusions;

    std::vector<std::string> applicationPaths() const {
        std::vector<std::string> paths;
        for (const auto& a : lists.applications.entries()) paths.push_back(a.applicationPath);
        return paths;
    }
    std::vector<std::string> excludedTitles() const {
        std::vector<std::string> titles;
        for (const auto& w : lists.windows.entries()) titles.push_back(w.title);
        return titles;
    }
};

TEST_F(ExclusionPage, AddMovesTheWindowAndAddsItsApplicationOnce) {
    const WindowId doc1 = open(word, "Doc 1");
    open(word, "Doc 2");
    open(notepad, "Note");
    engine.inventory().refreshInventory();

    page.excludeSelectedWindow();  // nothing selected
    EXPECT_TRUE(lists.windows.empty());

    selectVisible("Doc 1");
    const int icon = state.visibleWindows[2].imageIndex;
    page.excludeSelectedWindow();
    ASSERT_EQ(lists.windows.size(), 1u);
    EXPECT_EQ(lists.windows[0], (WindowExclusion{text(doc1), "Doc 1", "C:\\Program Files\\Office\\WINWORD.EXE", icon}));
    ASSERT_EQ(lists.applications.size(), 1u);
    EXPECT_EQ(lists.applications[0],
              (ApplicationExclusion{"C:\\Program Files\\Office\\WINWORD.EXE", text(doc1), icon}));
    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"Note", "Doc 2"}));

    // A second window of the same executable adds a window exclusion only.
    selectVisible("Doc 2");
    page.excludeSelectedWindow();
    EXPECT_EQ(excludedTitles(), (std::vector<std::string>{"Doc 1", "Doc 2"}));
    EXPECT_EQ(lists.applications.size(), 1u);

    // The excluded windows stay out of every later refresh.
    engine.inventory().refreshInventory();
    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"Note"}));
}

TEST_F(ExclusionPage, AddLeavesAWindowWhoseHandleIsExcludedAlreadyInTheList) {
    const WindowId note = open(notepad, "Note");
    engine.inventory().refreshInventory();
    lists.windows.append({text(note), "Old title", "", std::nullopt});
    selectVisible("Note");
    page.excludeSelectedWindow();
    EXPECT_EQ(excludedTitles(), (std::vector<std::string>{"Old title"}));
    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"Note"}));
    EXPECT_EQ(applicationPaths(), (std::vector<std::string>{"C:\\Windows\\notepad.exe"}));
}

TEST_F(ExclusionPage, RemoveGivesTheWindowBackAndDropsTheFirstApplicationOfItsPath) {
    open(word, "Doc 1");
    open(word, "Doc 2");
    open(notepad, "Note");
    engine.inventory().refreshInventory();
    for (const char* title : {"Doc 1", "Doc 2"}) {
        selectVisible(title);
        page.excludeSelectedWindow();
    }
    lists.applications.append({"c:\\program files\\office\\winword.exe", "--------", std::nullopt});

    page.selectWindowExclusion(0);
    page.removeSelectedWindowExclusion();

    EXPECT_EQ(visibleTitles(), (std::vector<std::string>{"Note", "Doc 1"}));  // at the end
    EXPECT_EQ(excludedTitles(), (std::vector<std::string>{"Doc 2"}));
    // The first application exclusion of that path goes, although Doc 2 is still excluded.
    EXPECT_EQ(applicationPaths(), (std::vector<std::string>{"c:\\program files\\office\\winword.exe"}));

    page.removeSelectedWindowExclusion();  // nothing selected any more
    EXPECT_EQ(excludedTitles(), (std::vector<std::string>{"Doc 2"}));

    // A loaded exclusion has no icon: it comes back with the neutral one, and with no
    // application exclusion of its path only the window moves.
    lists.windows.append({"77", "Loaded", "C:\\Tools\\tool.exe", std::nullopt});
    page.selectWindowExclusion(1);
    page.removeSelectedWindowExclusion();
    EXPECT_EQ(state.visibleWindows[2], (WindowEntry{"77", "Loaded", "C:\\Tools\\tool.exe", 0}));
    EXPECT_EQ(lists.applications.size(), 1u);
}

TEST_F(ExclusionPage, ClearAllEmptiesTheWindowExclusionsOnly) {
    open(word, "Doc");
    engine.inventory().refreshInventory();
    selectVisible("Doc");
    page.excludeSelectedWindow();
    page.clearWindowExclusions();
    EXPECT_TRUE(lists.windows.empty());
    EXPECT_EQ(lists.applications.size(), 1u);
}

TEST_F(ExclusionPage, BrowseAddsAChosenExecutableOnceInAnyLetterCase) {
    links.browsedFile = "C:\\Games\\Solitaire.exe";
    page.addApplicationExclusionFromFile();
    links.browsedFile = "c:\\games\\SOLITAIRE.EXE";
    page.addApplicationExclusionFromFile();
    links.browsedFile = std::nullopt;  // cancelled
    page.addApplicationExclusionFromFile();

    ASSERT_EQ(lists.applications.size(), 1u);
    EXPECT_EQ(lists.applications[0], (ApplicationExclusion{"C:\\Games\\Solitaire.exe", "--------", std::nullopt}));
    ASSERT_EQ(links.fileDialogs.size(), 3u);
    EXPECT_EQ(links.fileDialogs[0].title, "Browse for Umbrix Decoy");
    EXPECT_EQ(links.fileDialogs[0].filter, "All files|*.*|Applications|*.exe");
    EXPECT_EQ(links.fileDialogs[0].defaultExtension, "*.*");
}

TEST_F(ExclusionPage, RemoveSelectedDropsTheSelectedApplication) {
    lists.applications.append({"A.exe", "--------", std::nullopt});
    lists.applications.append({"B.exe", "--------", std::nullopt});
    page.removeSelectedApplicationExclusion();  // nothing selected
    EXPECT_EQ(lists.applications.size(), 2u);
    page.selectApplicationExclusion(0);
    page.removeSelectedApplicationExclusion();
    EXPECT_EQ(applicationPaths(), (std::vector<std::string>{"B.exe"}));
}

TEST_F(ExclusionPage, ABrowsedFullPathDoesNotProtectAWindowKnownByItsFileNameOnly) {
    const ProcessId locked = app("C:\\Games\\Solitaire.exe", /*refusesOpen=*/true);
    const WindowId game = open(locked, "Solitaire");
    links.browsedFile = "C:\\Games\\Solitaire.exe";
    page.addApplicationExclusionFromFile();
    options.exclusionMode = static_cast<std::int32_t>(ExclusionMode::ByApplication);

    ASSERT_TRUE(engine.actions().hideAllWindows(kHide));

    EXPECT_EQ(state.hiddenWindows.size(), 1u);
    EXPECT_FALSE(isVisible(game));
}

TEST_F(ExclusionPage, ChangingTheModeShowsItsPage) {
    options.exclusionMode = static_cast<std::int32_t>(ExclusionMode::ByApplication);
    page.onExclusionModeChanged();
    EXPECT_EQ(page.activePage(), 1);
    options.exclusionMode = static_cast<std::int32_t>(ExclusionMode::ByWindow);
    page.onExclusionModeChanged();
    EXPECT_EQ(page.activePage(), 0);
}

}  // namespace
}  // namespace umbrix::engine::testing
