#pragma once
// MainWindow on screen: a resizable top-level window with the navigation pane on the left (it
// slides between its open and closed widths and changes pages either way), the processor
// banner, and the page host with the controls of each page. It draws the model's state and
// hands each click and selection to the model's reactions; the lists are filled from the
// engine's lists each time the model or the window says they may have changed.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/IconPort.hpp"
#include "ui/main/MainWindow.hpp"
#include "views/ScrollingPage.hpp"
#include "views/WebBrowserHost.hpp"
#include "win32/ModelessWindowView.hpp"

namespace umbrix::win32 {

class MainWindowView final : public ModelessWindowView {
public:
    // `imageListOf`: the image list the inventory fills with the windows' small icons.
    using ImageListLookup = std::function<HIMAGELIST(platform::ImageListId)>;
    MainWindowView(ui::MainWindow& window, ImageListLookup imageListOf);
    ~MainWindowView() override;

    // Created hidden, 860 by 560 pixels (never more than the work area), centred on the screen.
    void create(HINSTANCE instance, HWND owner) override;
    bool takesDialogKeys() const override { return true; }
    // A page scrolled by the area shows the control Tab or an access key went to.
    void afterDialogKey() override { page_.scrollIntoView(GetFocus()); }

private:
    struct PageControl {
        HWND control;
        ui::MainPage page;
    };

    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void onDpiChanged(int dpi) override;
    // The browser control goes before the window it lives in.
    void beforeClose() override { browser_.reset(); }

    // A control of the window itself (the pane, the banner, the bottom bar), or of `parent`.
    HWND addControl(const wchar_t* className, const wchar_t* text, DWORD style, int id, DWORD exStyle = 0,
                    HWND parent = nullptr);
    HWND addPageControl(ui::MainPage page, const wchar_t* className, const wchar_t* text, DWORD style, int id,
                        DWORD exStyle = 0);
    HWND addListView(ui::MainPage page, int id, const std::vector<std::pair<const wchar_t*, int>>& columns);
    void createControls();
    void createFont();
    void layout();
    // Places the pages' controls for the page area's width (from `left` to `right`) and the
    // lists down to `bottom`, in the window's coordinates; returns where the active page's
    // content ends.
    int layoutPages(int left, int right, int bottom);
    // MoveWindow in the window's coordinates, for its own controls and the page area's.
    void put(HWND control, int x, int y, int width, int height);
    void refresh();
    void fillLists();
    void fillSetup();
    void fillOptions();
    void fillWelcome();
    // The welcome page in the web-browser control: created when the page first shows, where
    // there is an engine, and given the document each time the page opens it. Where the
    // control cannot be had the page keeps its fallback, and the failure goes to the log once.
    void showWelcomeInBrowser();
    // The window's fonts on its controls, the pages' included.
    void applyFonts();
    // The About page's logo at the window's scale.
    void loadLogo();
    // Each returns where its content ends.
    int layoutOptions(int left, int top, int width);
    int layoutSetupExtras(int left, int top, int width);
    int checkBoxHeight(HWND box, int width) const;
    void onCommand(int id);
    void onNotification(int id, int code);
    void onListSelection(const NMLISTVIEW& change);
    // The context menu of a list, at `where` on the screen (-1: the keyboard's, under the
    // selected row).
    void showContextMenu(HWND list, LPARAM where);

    ui::MainWindow& window_;
    ImageListLookup imageListOf_;
    HINSTANCE instance_ = nullptr;
    HFONT font_ = nullptr;
    HFONT headingFont_ = nullptr;
    bool filling_ = false;  // the lists are being refilled: their selection changes are not the user's

    HWND menuButton_ = nullptr;
    std::vector<HWND> navigationButtons_;
    HWND banner_ = nullptr;
    // Where the pages show, between the banner and the bottom bar; it scrolls a page taller
    // than the space there.
    ScrollingPage page_;
    // Where the page area's origin lies in the window's client area, scrolled: the layout
    // works in the window's coordinates and places the page's controls through it.
    POINT pageOrigin_{};
    std::vector<PageControl> pageControls_;
    HWND pageTitle_ = nullptr;

    HWND visibleHeading_ = nullptr;
    HWND visibleList_ = nullptr;
    HWND exclusionHeading_ = nullptr;
    HWND excludeButton_ = nullptr;
    HWND includeButton_ = nullptr;
    HWND windowExclusionList_ = nullptr;
    HWND applicationExclusionList_ = nullptr;

    HWND hiddenList_ = nullptr;
    HWND showSelectedButton_ = nullptr;
    HWND showAllButton_ = nullptr;

    HWND actionGroup_ = nullptr;
    std::vector<HWND> actionButtons_;
    HWND hideKeysLabel_ = nullptr;
    HWND hideKeysField_ = nullptr;
    HWND unhideKeysLabel_ = nullptr;
    HWND unhideKeysField_ = nullptr;
    HWND changeButton_ = nullptr;

    // The check boxes of the Options and Setup pages, as the model lists them.
    std::vector<HWND> checkBoxes_;
    HWND manageButton_ = nullptr;
    HWND themeHeading_ = nullptr;
    HWND appearanceLabel_ = nullptr;
    HWND themeList_ = nullptr;
    HWND transparencyLabel_ = nullptr;
    HWND transparencyLow_ = nullptr;
    HWND transparencySlider_ = nullptr;
    HWND transparencyHigh_ = nullptr;
    HWND panicButtonToggle_ = nullptr;
    HFONT themeHeadingFont_ = nullptr;

    HWND cascadeGroup_ = nullptr;
    HWND decoyField_ = nullptr;
    HWND browseButton_ = nullptr;

    // The bar at the bottom of every page.
    HWND languageLabel_ = nullptr;
    HWND languageList_ = nullptr;
    HWND closeButton_ = nullptr;

    HWND aboutTitle_ = nullptr;
    HWND aboutLogo_ = nullptr;
    HWND checkForUpdatesButton_ = nullptr;
    HICON logo_ = nullptr;
    HFONT titleFont_ = nullptr;

    // The welcome page's fallback: the document's title and text.
    HWND welcomeTitle_ = nullptr;
    HWND welcomeText_ = nullptr;
    std::unique_ptr<WebBrowserHost> browser_;
    bool browserDecided_ = false;
    std::uint32_t browserOpenings_ = 0;  // the model's openings of the document the browser has followed
    int dpi_ = 96;  // the scale the list columns are at
};

}  // namespace umbrix::win32
