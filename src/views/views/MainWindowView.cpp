#include "views/MainWindowView.hpp"

#include <windowsx.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

#include "ResourceIds.h"
#include "settings/Options.hpp"
#include "views/BrowserEngine.hpp"
#include "win32/ScreenPixels.hpp"
#include "win32/Utf16.hpp"

namespace umbrix::win32 {

namespace {
// The end-to-end tests find the window by its class.
constexpr wchar_t kMainWindowClass[] = L"UmbrixMainWindow";

// The window's design, in pixels at 96 dots per inch.
constexpr int kWidth = 860;
constexpr int kHeight = 560;
constexpr int kMargin = 12;
constexpr int kMenuButtonHeight = 36;
constexpr int kNavigationEntryHeight = 44;
constexpr int kBannerHeight = 20;
constexpr int kPageTop = 36;
constexpr int kLabelHeight = 20;
constexpr int kButtonHeight = 28;
constexpr int kRadioHeight = 22;
constexpr int kFontPoints = 9;

// Control ids.
constexpr int kMenuButtonId = 100;
constexpr int kFirstNavigationId = 110;
constexpr int kExcludeId = 200;
constexpr int kIncludeId = 201;
constexpr int kShowSelectedId = 300;
constexpr int kShowAllId = 301;
constexpr int kFirstActionId = 400;
constexpr int kChangeHotkeysId = 410;
constexpr int kVisibleListId = 500;
constexpr int kWindowExclusionListId = 501;
constexpr int kApplicationExclusionListId = 502;
constexpr int kHiddenListId = 503;
constexpr int kFirstCheckBoxId = 600;
constexpr int kManagePasswordId = 700;
constexpr int kThemeListId = 701;
constexpr int kTransparencyId = 702;
constexpr int kPanicButtonToggleId = 703;
constexpr int kDecoyFieldId = 710;
constexpr int kBrowseDecoyId = 711;
constexpr int kLanguageListId = 720;
constexpr int kCloseId = 721;
constexpr int kCheckForUpdatesId = 730;
constexpr int kBottomBarHeight = 40;
constexpr int kCheckBoxHeight = 22;

// The action radio group's items, by the "Action" value they stand for.
constexpr std::array<const wchar_t*, 5> kActions = {
    L"Hide all Applications (all windows will be hidden)",
    L"Hide the active Application only (affects only the window your are using)",
    L"Close all Applications (all windows will be closed)",
    L"Close the active Application (affects only the window your are using)",
    L"Do nothing (essentially disables the application)",
};

// What a navigation entry shows while the pane is closed to its narrow width.
const wchar_t* shortCaption(ui::MainPage page) {
    switch (page) {
        case ui::MainPage::VisibleWindows: return L"Vis";
        case ui::MainPage::HiddenWindows: return L"Hid";
        case ui::MainPage::Setup: return L"Set";
        case ui::MainPage::Options: return L"Opt";
        case ui::MainPage::About: return L"Abt";
        case ui::MainPage::Welcome: return L"Wel";
    }
    return L"";
}

void setText(HWND control, const std::string& text) {
    const std::wstring wide = widen(text);
    SetWindowTextW(control, wide.c_str());
}

void move(HWND control, int x, int y, int width, int height) {
    MoveWindow(control, x, y, std::max(width, 0), std::max(height, 0), TRUE);
}

void addItem(HWND list, int row, int image, const std::vector<std::string>& texts) {
    std::wstring first = widen(texts.empty() ? std::string() : texts[0]);
    LVITEMW item{};
    item.mask = LVIF_TEXT | (image >= 0 ? LVIF_IMAGE : 0);
    item.iItem = row;
    item.iImage = image;
    item.pszText = first.data();
    const int at = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    for (std::size_t column = 1; column < texts.size(); ++column) {
        std::wstring text = widen(texts[column]);
        LVITEMW sub{};
        sub.iSubItem = static_cast<int>(column);
        sub.pszText = text.data();
        SendMessageW(list, LVM_SETITEMTEXTW, at, reinterpret_cast<LPARAM>(&sub));
    }
}

// The height of a control's text wrapped to `width`, in its font.
int wrappedTextHeight(HWND control, HFONT font, int width) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    RECT bounds{0, 0, width, 0};
    HDC dc = GetDC(control);
    if (!dc) return 0;
    const HGDIOBJ previous = SelectObject(dc, font);
    DrawTextW(dc, text.c_str(), length, &bounds, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return bounds.bottom;
}

// The last column takes the width the others leave.
void fillLastColumn(HWND list) {
    HWND header = ListView_GetHeader(list);
    const int columns = header ? Header_GetItemCount(header) : 0;
    if (columns > 0) ListView_SetColumnWidth(list, columns - 1, LVSCW_AUTOSIZE_USEHEADER);
}

std::wstring textOf(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void fillComboBox(HWND list, const std::vector<std::string_view>& entries) {
    for (const auto entry : entries) {
        const std::wstring text = widen(std::string(entry));
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void selectRow(HWND list, std::optional<std::size_t> row) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (row) {
        ListView_SetItemState(list, static_cast<int>(*row), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(list, static_cast<int>(*row), FALSE);
    }
}
}  // namespace

MainWindowView::MainWindowView(ui::MainWindow& window, ImageListLookup imageListOf)
    : ModelessWindowView(window), window_(window), imageListOf_(std::move(imageListOf)) {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
}

MainWindowView::~MainWindowView() {
    window_.setChangeListener(nullptr);
    close();  // the browser control, then the window, go before the fonts its controls draw with
    if (font_) DeleteObject(font_);
    if (headingFont_) DeleteObject(headingFont_);
    if (themeHeadingFont_) DeleteObject(themeHeadingFont_);
    if (titleFont_) DeleteObject(titleFont_);
    if (logo_) DestroyIcon(logo_);
}

void MainWindowView::create(HINSTANCE instance, HWND owner) {
    instance_ = instance;
    // WS_EX_APPWINDOW: while it is shown it has its task bar button, though the application
    // window that owns it has none.
    const std::wstring caption = widen(window_.caption());
    WindowBase::create(instance, kMainWindowClass, WS_EX_APPWINDOW | WS_EX_CONTROLPARENT,
                       WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, caption.c_str(), owner, "main window");
    createFont();
    createControls();
    // On a small screen at a large scale the design is larger than the screen: the window takes
    // the work area, and the layout follows its size.
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    centreOnScreen(hwnd(), std::min<int>(scaled(kWidth), work.right - work.left),
                   std::min<int>(scaled(kHeight), work.bottom - work.top));
    window_.setChangeListener([this] { refresh(); });
    refresh();
}

void MainWindowView::createFont() {
    if (font_) DeleteObject(font_);
    if (headingFont_) DeleteObject(headingFont_);
    if (themeHeadingFont_) DeleteObject(themeHeadingFont_);
    if (titleFont_) DeleteObject(titleFont_);
    const int height = -MulDiv(kFontPoints, static_cast<int>(GetDpiForWindow(hwnd())), 72);
    font_ = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Shell Dlg 2");
    headingFont_ = CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Shell Dlg 2");
    themeHeadingFont_ =
        CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, TRUE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Shell Dlg 2");
    titleFont_ = CreateFontW(-MulDiv(16, static_cast<int>(GetDpiForWindow(hwnd())), 72), 0, 0, 0, FW_BOLD, FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, L"MS Shell Dlg 2");
}

HWND MainWindowView::addControl(const wchar_t* className, const wchar_t* text, DWORD style, int id, DWORD exStyle,
                                HWND parent) {
    HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | style, 0, 0, 0, 0, parent ? parent : hwnd(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (!control) throw std::runtime_error("cannot create a control of the main window");
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return control;
}

HWND MainWindowView::addPageControl(ui::MainPage page, const wchar_t* className, const wchar_t* text, DWORD style,
                                    int id, DWORD exStyle) {
    HWND control = addControl(className, text, style, id, exStyle, page_.hwnd());
    pageControls_.push_back({control, page});
    return control;
}

HWND MainWindowView::addListView(ui::MainPage page, int id,
                                 const std::vector<std::pair<const wchar_t*, int>>& columns) {
    // LVS_SHAREIMAGELISTS: the icon port owns the image list; the list view only shows it.
    HWND list = addPageControl(page, WC_LISTVIEWW, L"",
                               WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS, id,
                               WS_EX_CLIENTEDGE);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    int index = 0;
    for (const auto& [title, width] : columns) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(title);
        column.cx = scaled(width);
        SendMessageW(list, LVM_INSERTCOLUMNW, index++, reinterpret_cast<LPARAM>(&column));
    }
    return list;
}

void MainWindowView::createControls() {
    menuButton_ = addControl(WC_BUTTONW, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kMenuButtonId);
    int id = kFirstNavigationId;
    for (const auto& entry : ui::navigationEntries()) {
        (void)entry;
        navigationButtons_.push_back(
            addControl(WC_BUTTONW, L"", WS_VISIBLE | WS_TABSTOP | BS_PUSHLIKE | BS_RADIOBUTTON, id++));
    }
    banner_ = addControl(WC_STATICW, L"", WS_VISIBLE | SS_RIGHT | SS_NOPREFIX | SS_ENDELLIPSIS, 0);
    page_.create(instance_, hwnd());
    page_.setScrolledHandler([this] { layout(); });

    using ui::MainPage;
    visibleHeading_ =
        addPageControl(MainPage::VisibleWindows, WC_STATICW, L"These windows will be hidden or closed", SS_LEFT, 0);
    visibleList_ = addListView(MainPage::VisibleWindows, kVisibleListId,
                               {{L"Window ID", 80}, {L"Window title", 220}, {L"Owner process", 240}});
    exclusionHeading_ = addPageControl(MainPage::VisibleWindows, WC_STATICW,
                                       L"Exclusion list (these windows will not be affected)", SS_LEFT, 0);
    excludeButton_ =
        addPageControl(MainPage::VisibleWindows, WC_BUTTONW, L">>", WS_TABSTOP | BS_PUSHBUTTON, kExcludeId);
    includeButton_ =
        addPageControl(MainPage::VisibleWindows, WC_BUTTONW, L"<<", WS_TABSTOP | BS_PUSHBUTTON, kIncludeId);
    windowExclusionList_ = addListView(MainPage::VisibleWindows, kWindowExclusionListId,
                                       {{L"Process Id", 80}, {L"Window", 160}, {L"Process", 200}});
    applicationExclusionList_ = addListView(MainPage::VisibleWindows, kApplicationExclusionListId,
                                            {{L"Application", 260}, {L"Process ID", 90}});

    hiddenList_ = addListView(MainPage::HiddenWindows, kHiddenListId,
                              {{L"Handle", 90}, {L"Title", 250}, {L"Date and Time", 160}});
    showSelectedButton_ = addPageControl(MainPage::HiddenWindows, WC_BUTTONW, L"Show &selected window",
                                         WS_TABSTOP | BS_PUSHBUTTON, kShowSelectedId);
    showAllButton_ = addPageControl(MainPage::HiddenWindows, WC_BUTTONW, L"Show &all windows",
                                    WS_TABSTOP | BS_PUSHBUTTON, kShowAllId);

    actionGroup_ = addPageControl(MainPage::Setup, WC_BUTTONW, L"Setup", BS_GROUPBOX, 0);
    for (std::size_t i = 0; i < kActions.size(); ++i)
        actionButtons_.push_back(addPageControl(MainPage::Setup, WC_BUTTONW, kActions[i],
                                                (i == 0 ? WS_GROUP | WS_TABSTOP : 0) | BS_RADIOBUTTON | BS_MULTILINE,
                                                kFirstActionId + static_cast<int>(i)));
    hideKeysLabel_ =
        addPageControl(MainPage::Setup, WC_STATICW, L"Assign keys to hide or close windows", WS_GROUP | SS_LEFT, 0);
    hideKeysField_ =
        addPageControl(MainPage::Setup, WC_EDITW, L"", WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, 0, WS_EX_CLIENTEDGE);
    unhideKeysLabel_ = addPageControl(MainPage::Setup, WC_STATICW, L"Assign hotkeys to unhide windows", SS_LEFT, 0);
    unhideKeysField_ =
        addPageControl(MainPage::Setup, WC_EDITW, L"", WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, 0, WS_EX_CLIENTEDGE);
    changeButton_ =
        addPageControl(MainPage::Setup, WC_BUTTONW, L"C&hange", WS_TABSTOP | BS_PUSHBUTTON, kChangeHotkeysId);

    cascadeGroup_ = addPageControl(MainPage::Setup, WC_BUTTONW, L"Cascade windows", BS_GROUPBOX, 0);
    const auto& boxes = ui::optionCheckBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const MainPage page = boxes[i].place == ui::CheckBoxPlace::Options ? MainPage::Options : MainPage::Setup;
        const std::wstring caption = widen(std::string(boxes[i].caption));
        checkBoxes_.push_back(addPageControl(page, WC_BUTTONW, caption.c_str(),
                                             WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE,
                                             kFirstCheckBoxId + static_cast<int>(i)));
        if (boxes[i].option == &settings::Options::requirePassword)
            manageButton_ = addPageControl(MainPage::Options, WC_BUTTONW, L"&Manage...", WS_TABSTOP | BS_PUSHBUTTON,
                                           kManagePasswordId);
        if (boxes[i].option == &settings::Options::useDecoy) {
            decoyField_ = addPageControl(MainPage::Setup, WC_EDITW, L"", WS_TABSTOP | ES_AUTOHSCROLL, kDecoyFieldId,
                                         WS_EX_CLIENTEDGE);
            browseButton_ =
                addPageControl(MainPage::Setup, WC_BUTTONW, L"&Browse", WS_TABSTOP | BS_PUSHBUTTON, kBrowseDecoyId);
        }
    }
    themeHeading_ = addPageControl(MainPage::Options, WC_STATICW, L"Theme", SS_LEFT, 0);
    appearanceLabel_ = addPageControl(MainPage::Options, WC_STATICW, L"Application appearance", SS_LEFT, 0);
    themeList_ =
        addPageControl(MainPage::Options, WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, kThemeListId);
    fillComboBox(themeList_, ui::themeNames());
    transparencyLabel_ = addPageControl(MainPage::Options, WC_STATICW, L"Panic button transparency", SS_LEFT, 0);
    transparencyLow_ = addPageControl(MainPage::Options, WC_STATICW, L"0%", SS_LEFT, 0);
    transparencySlider_ = addPageControl(MainPage::Options, TRACKBAR_CLASSW, L"",
                                         WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM, kTransparencyId);
    SendMessageW(transparencySlider_, TBM_SETRANGE, FALSE, MAKELPARAM(0, ui::kMaxPanicTransparency));
    transparencyHigh_ = addPageControl(MainPage::Options, WC_STATICW, L"100%", SS_LEFT, 0);
    panicButtonToggle_ =
        addPageControl(MainPage::Options, WC_BUTTONW, L"", WS_TABSTOP | BS_PUSHBUTTON, kPanicButtonToggleId);

    languageLabel_ = addControl(WC_STATICW, L"Language", WS_VISIBLE | SS_LEFT, 0);
    languageList_ =
        addControl(WC_COMBOBOXW, L"", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, kLanguageListId);
    fillComboBox(languageList_, ui::languageNames());
    closeButton_ = addControl(WC_BUTTONW, L"&Close", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kCloseId);

    aboutTitle_ = addPageControl(MainPage::About, WC_STATICW, L"Umbrix 7.1", SS_LEFT | SS_NOPREFIX, 0);
    aboutLogo_ = addPageControl(MainPage::About, WC_STATICW, L"", SS_ICON | SS_REALSIZECONTROL, 0);
    checkForUpdatesButton_ = addPageControl(MainPage::About, WC_BUTTONW, L"Check for &updates...",
                                            WS_TABSTOP | BS_PUSHBUTTON, kCheckForUpdatesId);

    // Without a browser engine the welcome page shows its document's title and text.
    welcomeTitle_ = addPageControl(MainPage::Welcome, WC_STATICW, L"", SS_LEFT | SS_NOPREFIX, 0);
    welcomeText_ = addPageControl(MainPage::Welcome, WC_STATICW, L"", SS_LEFT | SS_NOPREFIX, 0);
    applyFonts();
    dpi_ = static_cast<int>(GetDpiForWindow(hwnd()));
    loadLogo();
}

void MainWindowView::put(HWND control, int x, int y, int width, int height) {
    if (GetParent(control) == page_.hwnd()) {
        x -= pageOrigin_.x;
        y -= pageOrigin_.y;
    }
    move(control, x, y, width, height);
}

int MainWindowView::checkBoxHeight(HWND box, int width) const {
    // The check mark and its gap take about 20 pixels of the width; a caption that does not fit
    // the rest wraps, and the row grows to its lines.
    return std::max(scaled(kCheckBoxHeight), wrappedTextHeight(box, font_, width - scaled(20)) + scaled(6));
}

int MainWindowView::layoutOptions(int left, int top, int width) {
    // The check boxes in a column; the theme, the slider and "Show" beside it where the page is
    // wide enough, below it otherwise.
    const int gap = scaled(kMargin);
    const bool twoColumns = width >= scaled(640);
    const int columnWidth = twoColumns ? width * 60 / 100 : width;
    const int manageWidth = scaled(90);
    const auto& boxes = ui::optionCheckBoxes();
    int y = top;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].place != ui::CheckBoxPlace::Options) continue;
        const bool withManage = boxes[i].option == &settings::Options::requirePassword;
        const int boxWidth = withManage ? columnWidth - manageWidth - gap : columnWidth;
        const int height = checkBoxHeight(checkBoxes_[i], boxWidth);
        put(checkBoxes_[i], left, y, boxWidth, height);
        if (withManage)
            put(manageButton_, left + boxWidth + gap, y + (height - scaled(26)) / 2, manageWidth, scaled(26));
        y += std::max(height, withManage ? scaled(28) : 0);
    }
    int x = left;
    int themeWidth = std::min(width, scaled(280));
    int themeTop = y + gap;
    if (twoColumns) {
        x = left + columnWidth + gap;
        themeWidth = width - columnWidth - gap;
        themeTop = top;
    }
    const int label = scaled(kLabelHeight);
    put(themeHeading_, x, themeTop, themeWidth, label);
    put(appearanceLabel_, x, themeTop + label + scaled(4), themeWidth, label);
    put(themeList_, x, themeTop + 2 * label + scaled(4), themeWidth, scaled(240));  // the height of the drop-down
    const int sliderTop = themeTop + 2 * label + scaled(38);
    put(transparencyLabel_, x, sliderTop, themeWidth, label);
    const int edge = scaled(36);
    put(transparencyLow_, x, sliderTop + label + scaled(6), edge, label);
    put(transparencySlider_, x + edge, sliderTop + label, themeWidth - 2 * edge, scaled(30));
    put(transparencyHigh_, x + themeWidth - edge + scaled(4), sliderTop + label + scaled(6), edge, label);
    put(panicButtonToggle_, x, sliderTop + label + scaled(36), scaled(90), scaled(kButtonHeight));
    return std::max(y, sliderTop + label + scaled(36) + scaled(kButtonHeight));
}

int MainWindowView::layoutSetupExtras(int left, int top, int width) {
    // "Cascade windows" with its check boxes, then the Task Manager, then the decoy with its
    // field and "Browse".
    const auto& boxes = ui::optionCheckBoxes();
    int groupHeight = scaled(24 + 6);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].place == ui::CheckBoxPlace::Cascade)
            groupHeight += checkBoxHeight(checkBoxes_[i], width - scaled(24));
    put(cascadeGroup_, left, top, width, groupHeight);
    int cascadeY = top + scaled(22);
    int y = top + groupHeight + scaled(6);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        switch (boxes[i].place) {
            case ui::CheckBoxPlace::Cascade: {
                const int height = checkBoxHeight(checkBoxes_[i], width - scaled(24));
                put(checkBoxes_[i], left + scaled(12), cascadeY, width - scaled(24), height);
                cascadeY += height;
                break;
            }
            case ui::CheckBoxPlace::Setup: {
                const int height = checkBoxHeight(checkBoxes_[i], width);
                put(checkBoxes_[i], left, y, width, height);
                y += height + scaled(4);
                break;
            }
            case ui::CheckBoxPlace::Decoy: {
                const int height = checkBoxHeight(checkBoxes_[i], width);
                put(checkBoxes_[i], left, y, width, height);
                y += height + scaled(2);
                const int browseWidth = scaled(90);
                put(decoyField_, left, y + scaled(2), width - browseWidth - scaled(kMargin), scaled(24));
                put(browseButton_, left + width - browseWidth, y, browseWidth, scaled(kButtonHeight));
                y += scaled(kButtonHeight);
                break;
            }
            case ui::CheckBoxPlace::Options: break;
        }
    }
    return y;
}

void MainWindowView::layout() {
    if (!exists()) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int navigationWidth = scaled(window_.navigationWidth());
    const auto active = window_.activePage();

    // The pane: the menu image, then one entry per page.
    SetWindowTextW(menuButton_, window_.navigationOpen() ? L"\u00AB  Menu" : L"\u00BB");
    move(menuButton_, 0, 0, navigationWidth, scaled(kMenuButtonHeight));
    const auto& entries = ui::navigationEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::wstring caption =
            window_.navigationOpen() ? widen(entries[i].caption) : shortCaption(entries[i].page);
        SetWindowTextW(navigationButtons_[i], caption.c_str());
        SendMessageW(navigationButtons_[i], BM_SETCHECK, active == entries[i].page ? BST_CHECKED : BST_UNCHECKED, 0);
        move(navigationButtons_[i], 0, scaled(kMenuButtonHeight) + static_cast<int>(i) * scaled(kNavigationEntryHeight),
             navigationWidth, scaled(kNavigationEntryHeight));
    }

    const int left = navigationWidth + scaled(kMargin);
    // The bar at the bottom: "Language" over the language list on the left, "Close" on the right.
    const int barTop = client.bottom - scaled(kBottomBarHeight);
    move(languageLabel_, left, barTop + scaled(10), scaled(70), scaled(kLabelHeight));
    move(languageList_, left + scaled(74), barTop + scaled(6), scaled(140), scaled(160));
    move(closeButton_, client.right - scaled(kMargin + 90), barTop + scaled(6), scaled(90), scaled(kButtonHeight));
    move(banner_, left, scaled(8), client.right - scaled(kMargin) - left, scaled(kBannerHeight));

    // The page area between the banner and the bar. A page taller than the area scrolls: the
    // scroll bar takes its width from the page, which is laid out again for what is left.
    const int areaTop = scaled(kPageTop) - scaled(4);
    const int bottom = barTop - scaled(4);
    move(page_.hwnd(), navigationWidth, areaTop, client.right - navigationWidth, bottom - areaTop);
    for (int pass = 0; pass < 3; ++pass) {
        RECT area{};
        GetClientRect(page_.hwnd(), &area);
        pageOrigin_ = {navigationWidth, areaTop - page_.offset()};
        const int contentBottom =
            layoutPages(left, navigationWidth + area.right - scaled(kMargin), areaTop + area.bottom);
        if (!page_.setContentHeight(contentBottom + scaled(kMargin) - areaTop)) break;
    }

    // Only the active page's controls show; of the two exclusion lists, the exclusion mode's.
    const int exclusionPage = window_.exclusionPage().activePage();
    for (const auto& [control, page] : pageControls_) {
        bool show = active == page;
        if (control == windowExclusionList_) show = show && exclusionPage == 0;
        if (control == applicationExclusionList_) show = show && exclusionPage == 1;
        if (control == welcomeTitle_ || control == welcomeText_) show = show && !browser_;
        ShowWindow(control, show ? SW_SHOWNA : SW_HIDE);
    }
    if (browser_) browser_->show(active == ui::MainPage::Welcome);
    InvalidateRect(hwnd(), nullptr, TRUE);
    RedrawWindow(page_.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

int MainWindowView::layoutPages(int left, int right, int bottom) {
    const auto active = window_.activePage();
    const int width = right - left;
    const int top = scaled(kPageTop);
    const int gap = scaled(kMargin);

    // Visible windows: the list on the left, the exclusions on the right.
    const int listWidth = width * 55 / 100;
    const int label = scaled(kLabelHeight);
    const int exclusionLeft = left + listWidth + gap;
    const int exclusionWidth = right - exclusionLeft;
    // The headings wrap as their columns narrow; both columns start below the taller one.
    const int headingHeight = std::max({label, wrappedTextHeight(visibleHeading_, headingFont_, listWidth),
                                        wrappedTextHeight(exclusionHeading_, headingFont_, exclusionWidth)});
    put(visibleHeading_, left, top, listWidth, headingHeight);
    put(exclusionHeading_, exclusionLeft, top, exclusionWidth, headingHeight);
    put(visibleList_, left, top + headingHeight + scaled(4), listWidth, bottom - top - headingHeight - scaled(4));
    const int buttonsTop = top + headingHeight + scaled(4);
    put(excludeButton_, exclusionLeft, buttonsTop, scaled(48), scaled(kButtonHeight));
    put(includeButton_, exclusionLeft + scaled(56), buttonsTop, scaled(48), scaled(kButtonHeight));
    const int exclusionTop = buttonsTop + scaled(kButtonHeight) + scaled(6);
    for (HWND list : {windowExclusionList_, applicationExclusionList_})
        put(list, exclusionLeft, exclusionTop, exclusionWidth, bottom - exclusionTop);

    // Hidden windows: the list over its two buttons.
    const int buttonTop = bottom - scaled(kButtonHeight);
    put(hiddenList_, left, top, width, buttonTop - gap - top);
    put(showSelectedButton_, left, buttonTop, scaled(170), scaled(kButtonHeight));
    put(showAllButton_, left + scaled(180), buttonTop, scaled(150), scaled(kButtonHeight));

    // Setup: the action group, then the hotkeys.
    // An action's text that does not fit the group's width wraps: its row grows to its lines.
    const int radioTextWidth = width - scaled(24 + 20);
    std::vector<int> radioHeights;
    for (HWND action : actionButtons_)
        radioHeights.push_back(
            std::max(scaled(kRadioHeight), wrappedTextHeight(action, font_, radioTextWidth) + scaled(6)));
    int groupHeight = scaled(24 + 8);
    for (int height : radioHeights) groupHeight += height;
    put(actionGroup_, left, top, width, groupHeight);
    int radioTop = top + scaled(22);
    for (std::size_t i = 0; i < actionButtons_.size(); ++i) {
        put(actionButtons_[i], left + scaled(12), radioTop, width - scaled(24), radioHeights[i]);
        radioTop += radioHeights[i];
    }
    // The hotkeys: each label beside its field, "Change" after them; where that is too wide,
    // each label over its field and "Change" beside the second.
    const int keysTop = top + groupHeight + scaled(12);
    const int labelWidth = scaled(260);
    const int fieldWidth = scaled(180);
    const int fieldHeight = scaled(24);
    const int changeWidth = scaled(90);
    int keysBottom = 0;
    if (labelWidth + fieldWidth + gap + changeWidth <= width) {
        keysBottom = keysTop + scaled(32) + fieldHeight;
        put(hideKeysLabel_, left, keysTop + scaled(3), labelWidth, label);
        put(hideKeysField_, left + labelWidth, keysTop, fieldWidth, fieldHeight);
        put(unhideKeysLabel_, left, keysTop + scaled(35), labelWidth, label);
        put(unhideKeysField_, left + labelWidth, keysTop + scaled(32), fieldWidth, fieldHeight);
        put(changeButton_, left + labelWidth + fieldWidth + gap, keysTop + scaled(14), changeWidth,
            scaled(kButtonHeight));
    } else {
        const int row = label + fieldHeight + scaled(6);
        keysBottom = keysTop + row + label + fieldHeight;
        put(hideKeysLabel_, left, keysTop, width, label);
        put(hideKeysField_, left, keysTop + label, fieldWidth, fieldHeight);
        put(unhideKeysLabel_, left, keysTop + row, width, label);
        put(unhideKeysField_, left, keysTop + row + label, fieldWidth, fieldHeight);
        put(changeButton_, left + fieldWidth + gap, keysTop + row + label - scaled(2), changeWidth,
            scaled(kButtonHeight));
    }

    // The rest of Setup below the hotkeys.
    const int setupBottom = layoutSetupExtras(left, keysBottom + scaled(kMargin), width);
    const int optionsBottom = layoutOptions(left, top, width);

    // About: the title beside the logo, "Check for updates..." below them.
    const int iconSize = scaled(48);
    put(aboutLogo_, left, top, iconSize, iconSize);
    put(aboutTitle_, left + iconSize + gap, top + (iconSize - scaled(32)) / 2, width - iconSize - gap, scaled(32));
    put(checkForUpdatesButton_, left, top + iconSize + gap, scaled(160), scaled(kButtonHeight));
    const int aboutBottom = top + iconSize + gap + scaled(kButtonHeight);

    // Welcome: the browser control takes the page; the fallback is the document's title over its
    // text, as long as the text runs.
    if (browser_) {
        const RECT bounds{left - pageOrigin_.x, top - pageOrigin_.y, right - pageOrigin_.x, bottom - pageOrigin_.y};
        browser_->place(bounds);
    }
    const int titleHeight = std::max(scaled(32), wrappedTextHeight(welcomeTitle_, titleFont_, width));
    put(welcomeTitle_, left, top, width, titleHeight);
    const int textHeight = wrappedTextHeight(welcomeText_, font_, width);
    put(welcomeText_, left, top + titleHeight + scaled(8), width, textHeight);
    const int welcomeBottom = browser_ ? bottom - scaled(kMargin) : top + titleHeight + scaled(8) + textHeight;

    for (HWND list : {visibleList_, windowExclusionList_, applicationExclusionList_, hiddenList_}) fillLastColumn(list);
    if (active == ui::MainPage::Setup) return setupBottom;
    if (active == ui::MainPage::Options) return optionsBottom;
    if (active == ui::MainPage::About) return aboutBottom;
    if (active == ui::MainPage::Welcome) return welcomeBottom;
    return bottom - scaled(kMargin);  // the lists take the height there is
}

void MainWindowView::fillLists() {
    filling_ = true;
    const engine::EngineState& state = window_.engineState();
    HIMAGELIST icons = imageListOf_ ? imageListOf_(state.imageList) : nullptr;
    for (HWND list : {visibleList_, windowExclusionList_, applicationExclusionList_}) {
        ListView_SetImageList(list, icons, LVSIL_SMALL);
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        ListView_DeleteAllItems(list);
    }
    SendMessageW(hiddenList_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(hiddenList_);

    int row = 0;
    for (const auto& entry : state.visibleWindows.entries())
        addItem(visibleList_, row++, entry.imageIndex, {entry.handleText, entry.title, entry.processPath});
    row = 0;
    for (const auto& entry : state.exclusions.windows.entries())
        addItem(windowExclusionList_, row++, entry.imageIndex.value_or(0),
                {entry.handleText, entry.title, entry.processPath});
    row = 0;
    for (const auto& entry : state.exclusions.applications.entries())
        addItem(applicationExclusionList_, row++, entry.imageIndex.value_or(0),
                {entry.applicationPath, entry.secondText});
    row = 0;
    for (const auto& entry : state.hiddenWindows.entries())
        addItem(hiddenList_, row++, -1, {entry.handleText, entry.title, entry.timeText});

    auto& exclusions = window_.exclusionPage();
    selectRow(visibleList_, exclusions.selectedVisibleWindow());
    selectRow(windowExclusionList_, exclusions.selectedWindowExclusion());
    selectRow(applicationExclusionList_, exclusions.selectedApplicationExclusion());
    selectRow(hiddenList_, window_.hiddenWindowsPage().selectedHiddenWindow());
    for (HWND list : {visibleList_, windowExclusionList_, applicationExclusionList_, hiddenList_}) {
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
    filling_ = false;
}

void MainWindowView::fillSetup() {
    const settings::Options& options = window_.options();
    for (std::size_t i = 0; i < actionButtons_.size(); ++i)
        SendMessageW(actionButtons_[i], BM_SETCHECK,
                     options.action == static_cast<std::int32_t>(i) ? BST_CHECKED : BST_UNCHECKED, 0);
    setText(hideKeysField_, options.hideHotkeyText);
    setText(unhideKeysField_, options.unhideHotkeyText);
    // Set only when it differs, so that the caret of the user's typing stays where it is.
    const std::wstring decoy = widen(options.decoyProgram);
    if (textOf(decoyField_) != decoy) SetWindowTextW(decoyField_, decoy.c_str());
}

void MainWindowView::fillOptions() {
    const auto& boxes = ui::optionCheckBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        SendMessageW(checkBoxes_[i], BM_SETCHECK, window_.options().*boxes[i].option ? BST_CHECKED : BST_UNCHECKED, 0);
        EnableWindow(checkBoxes_[i], window_.checkBoxEnabled(boxes[i].option));
    }
    const auto theme = window_.selectedTheme();
    SendMessageW(themeList_, CB_SETCURSEL, theme ? static_cast<WPARAM>(*theme) : static_cast<WPARAM>(-1), 0);
    SendMessageW(languageList_, CB_SETCURSEL, window_.selectedLanguage(), 0);
    SendMessageW(transparencySlider_, TBM_SETPOS, TRUE, window_.panicButtonTransparency());
    setText(panicButtonToggle_, std::string(window_.panicButtonToggleCaption()));
}

void MainWindowView::fillWelcome() {
    const ui::WelcomeDocument& document = window_.welcomeDocument();
    std::string text;
    for (std::size_t i = 0; i < document.paragraphs.size(); ++i) {
        // The page's first heading repeats its title, which shows above the text already.
        if (i == 0 && document.paragraphs[0] == document.title) continue;
        text += (text.empty() ? "" : "\r\n\r\n") + document.paragraphs[i];
    }
    setText(welcomeTitle_, document.title);
    setText(welcomeText_, text);
}

void MainWindowView::showWelcomeInBrowser() {
    if (window_.activePage() != ui::MainPage::Welcome) return;
    if (!browserDecided_) {
        browserDecided_ = true;
        if (!canHostBrowser(probeBrowserEngine())) return;
        try {
            browser_ = std::make_unique<WebBrowserHost>(page_.hwnd());
            browser_->setDpi(dpi_);
        } catch (const std::exception&) {
            reportError(std::current_exception());
            return;
        }
    }
    if (!browser_ || browserOpenings_ == window_.welcomeOpenings()) return;
    browserOpenings_ = window_.welcomeOpenings();
    try {
        browser_->navigate(fileUrl(widen(window_.welcomeDocument().path)));
    } catch (const std::exception&) {
        browser_.reset();
        reportError(std::current_exception());
    }
}

void MainWindowView::refresh() {
    if (!exists()) return;
    setText(banner_, window_.processorBanner());
    fillWelcome();
    showWelcomeInBrowser();
    fillLists();
    filling_ = true;
    fillSetup();
    fillOptions();
    filling_ = false;
    layout();
}

void MainWindowView::onCommand(int id) {
    auto& exclusions = window_.exclusionPage();
    switch (id) {
        case kMenuButtonId: window_.toggleNavigationPane(); return;
        case kExcludeId: exclusions.excludeSelectedWindow(); break;
        case kIncludeId: exclusions.removeSelectedWindowExclusion(); break;
        case kShowSelectedId: window_.showSelectedHiddenWindow(); break;
        case kShowAllId: window_.showAllHiddenWindows(); break;
        case kChangeHotkeysId: window_.changeHotkeys(); break;
        case kManagePasswordId: window_.manageUnhidePassword(); break;
        case kBrowseDecoyId: window_.browseForDecoy(); break;
        case kCloseId:
        case IDCANCEL:  // Escape
            window_.close();
            return;
        case kCheckForUpdatesId:
            // The update check comes with its own window; until then the button does nothing.
            return;
        case kPanicButtonToggleId: window_.togglePanicButton(); break;
        default:
            if (id >= kFirstNavigationId && id < kFirstNavigationId + static_cast<int>(navigationButtons_.size())) {
                window_.navigate(ui::navigationEntries()[static_cast<std::size_t>(id - kFirstNavigationId)].page);
                return;
            }
            if (id >= kFirstCheckBoxId && id < kFirstCheckBoxId + static_cast<int>(checkBoxes_.size())) {
                const auto index = static_cast<std::size_t>(id - kFirstCheckBoxId);
                const bool checked = SendMessageW(checkBoxes_[index], BM_GETCHECK, 0, 0) == BST_CHECKED;
                window_.setOption(ui::optionCheckBoxes()[index].option, checked);
                break;
            }
            if (id >= kFirstActionId && id < kFirstActionId + static_cast<int>(actionButtons_.size())) {
                window_.chooseAction(id - kFirstActionId);
                break;
            }
            return;
    }
    refresh();
}

void MainWindowView::onNotification(int id, int code) {
    if (filling_) return;  // the view's own refill
    if (id == kThemeListId && code == CBN_SELCHANGE) {
        const LRESULT index = SendMessageW(themeList_, CB_GETCURSEL, 0, 0);
        if (index >= 0) window_.chooseTheme(static_cast<std::size_t>(index));
    } else if (id == kLanguageListId && code == CBN_SELCHANGE) {
        const LRESULT index = SendMessageW(languageList_, CB_GETCURSEL, 0, 0);
        if (index >= 0) window_.chooseLanguage(static_cast<std::size_t>(index));
    } else if (id == kDecoyFieldId && code == EN_CHANGE) {
        window_.setDecoyProgram(narrow(textOf(decoyField_)));
    } else {
        return;
    }
    // Only the option controls follow: the lists stay as they are while the user types.
    filling_ = true;
    fillOptions();
    filling_ = false;
}

void MainWindowView::onListSelection(const NMLISTVIEW& change) {
    if (filling_ || !(change.uChanged & LVIF_STATE) || !((change.uNewState ^ change.uOldState) & LVIS_SELECTED)) return;
    const HWND list = change.hdr.hwndFrom;
    std::size_t row = std::size_t(-1);  // nothing selected
    if (change.uNewState & LVIS_SELECTED)
        row = static_cast<std::size_t>(change.iItem);
    else if (ListView_GetSelectedCount(list) != 0)
        return;  // another row takes the selection: its own notification says which
    auto& exclusions = window_.exclusionPage();
    if (list == visibleList_) exclusions.selectVisibleWindow(row);
    if (list == windowExclusionList_) exclusions.selectWindowExclusion(row);
    if (list == applicationExclusionList_) exclusions.selectApplicationExclusion(row);
    if (list == hiddenList_) window_.hiddenWindowsPage().selectHiddenWindow(row);
}

void MainWindowView::showContextMenu(HWND list, LPARAM where) {
    ui::MainList which{};
    if (list == visibleList_)
        which = ui::MainList::VisibleWindows;
    else if (list == windowExclusionList_)
        which = ui::MainList::WindowExclusions;
    else if (list == applicationExclusionList_)
        which = ui::MainList::ApplicationExclusions;
    else if (list == hiddenList_)
        which = ui::MainList::HiddenWindows;
    else
        return;
    POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    if (where == -1) {
        // The keyboard's menu key or Shift+F10: below the selected row, or the list's corner.
        RECT row{};
        const int selected = ListView_GetNextItem(list, -1, LVNI_SELECTED);
        if (selected < 0 || !ListView_GetItemRect(list, selected, &row, LVIR_LABEL)) row = {0, 0, 0, 0};
        at = {row.left + scaled(8), row.bottom};
        ClientToScreen(list, &at);
    }

    // The entries' commands by their menu ids, from 1 up (0 is TrackPopupMenu's "none").
    std::vector<ui::ContextCommand> commands;
    const auto build = [&commands](const auto& self, const std::vector<ui::ContextMenuEntry>& entries) -> HMENU {
        HMENU menu = CreatePopupMenu();
        for (const auto& entry : entries) {
            const std::wstring caption = widen(std::string(entry.caption));
            const UINT state = entry.enabled ? MF_ENABLED : MF_GRAYED;
            if (entry.command) {
                commands.push_back(*entry.command);
                AppendMenuW(menu, MF_STRING | state, commands.size(), caption.c_str());
            } else {
                AppendMenuW(menu, MF_POPUP | state, reinterpret_cast<UINT_PTR>(self(self, entry.submenu)),
                            caption.c_str());
            }
        }
        return menu;
    };
    HMENU menu = build(build, window_.openContextMenu(which));
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, hwnd(), nullptr));
    DestroyMenu(menu);  // and its submenus
    if (chosen > 0 && chosen <= commands.size()) window_.runContextCommand(commands[chosen - 1]);
}

void MainWindowView::applyFonts() {
    for (HWND parent : {hwnd(), page_.hwnd()})
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (child != page_.hwnd()) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    for (HWND heading : {visibleHeading_, exclusionHeading_})
        SendMessageW(heading, WM_SETFONT, reinterpret_cast<WPARAM>(headingFont_), FALSE);
    for (HWND title : {aboutTitle_, welcomeTitle_})
        SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), FALSE);
    SendMessageW(themeHeading_, WM_SETFONT, reinterpret_cast<WPARAM>(themeHeadingFont_), FALSE);
}

void MainWindowView::onDpiChanged(int dpi) {
    createFont();
    applyFonts();
    // The columns keep their share of the list at the new scale.
    for (HWND list : {visibleList_, windowExclusionList_, applicationExclusionList_, hiddenList_}) {
        HWND header = ListView_GetHeader(list);
        const int columns = header ? Header_GetItemCount(header) : 0;
        for (int column = 0; column < columns; ++column)
            ListView_SetColumnWidth(list, column, MulDiv(ListView_GetColumnWidth(list, column), dpi, dpi_));
    }
    dpi_ = dpi;
    if (browser_) browser_->setDpi(dpi);
    loadLogo();
    layout();
}

void MainWindowView::loadLogo() {
    const int size = scaled(48);
    HICON logo = static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(IDI_UMBRIX), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    if (!logo) return;  // the title goes on alone
    if (logo_) DestroyIcon(logo_);
    logo_ = logo;
    SendMessageW(aboutLogo_, STM_SETICON, reinterpret_cast<WPARAM>(logo_), 0);
}

bool MainWindowView::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_SIZE: layout(); return true;
        case WM_DESTROY:
            // Destroyed other than by close() (its owner went first): the control still goes
            // before its window.
            browser_.reset();
            return false;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(hwnd(), &client);
            // The system's colours, so that a high-contrast scheme shows as the user chose it.
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
            result = 1;
            return true;
        }
        case WM_CTLCOLORSTATIC: {
            const HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            return true;
        }
        case WM_ACTIVATE:
            // Hotkeys change the lists while the window is in the background.
            if (LOWORD(wParam) != WA_INACTIVE) window_.react([this] { refresh(); });
            return false;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            if (id == IDCANCEL && !lParam) {  // Escape, through the dialog keys
                window_.react([this] { onCommand(IDCANCEL); });
                return true;
            }
            if (code == BN_CLICKED && id != kDecoyFieldId && id != kThemeListId && id != kLanguageListId) {
                window_.react([this, id] { onCommand(id); });
                return true;
            }
            if (lParam && (code == CBN_SELCHANGE || code == EN_CHANGE)) {
                window_.react([this, id, code] { onNotification(id, code); });
                return true;
            }
            return false;
        }
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lParam) == transparencySlider_ && !filling_) {
                window_.react([this] {
                    window_.setPanicButtonTransparency(
                        static_cast<std::int32_t>(SendMessageW(transparencySlider_, TBM_GETPOS, 0, 0)));
                });
                return true;
            }
            return false;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->code == LVN_ITEMCHANGED) {
                const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
                window_.react([this, change] { onListSelection(*change); });
                return true;
            }
            return false;
        }
        case WM_CONTEXTMENU: {
            const HWND list = reinterpret_cast<HWND>(wParam);
            window_.react([this, list, lParam] { showContextMenu(list, lParam); });
            return true;
        }
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = {scaled(560), scaled(380)};
            return true;
        }
        default: return false;
    }
}

}  // namespace umbrix::win32
